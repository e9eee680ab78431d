/* The plug-in interface of tolvexBar: what a snap-in library exports and how
 * it talks to the bar.
 *
 * A snap-in is a shared library with the extension ".tsi" in the bar's
 * snap-in folder ("snapins/" beside the program). The bar loads it when the
 * element layout names it, looks up the entry points below by name (each is
 * optional) and shows the control the library hands over in its column.
 *
 * The bar and the plug-in share one process and one Qt: the bar, the control
 * and the form cross the boundary as `QWidget*`, so a plug-in must be built
 * against the same Qt 6 (major and minor version) as the bar. Everything runs
 * on the bar's user-interface thread.
 *
 * Life of a plug-in, at every full rebuild of the bar:
 *   1. the library is loaded, all its symbols bound at once (on Linux
 *      RTLD_NOW | RTLD_LOCAL);
 *   2. TSI_GetInterfaceVersion, then TSI_InitSnapIn(bar);
 *   3. TSI_GetControl: the bar sets the control's parent to the bar, its
 *      position and width, and reads its height; the control's height is the
 *      plug-in's to choose;
 *   4. TSI_GetForm: when it returns a widget, the bar sends it the message
 *      TSI_MSG_BAR_WINDOW (synchronously) carrying the bar;
 *   5. TSI_ShowSnapIn, once the bar is visible again (interface version 1 and
 *      later only);
 *   6. later, before the library is unloaded: the control is detached from
 *      the bar (parent none), then TSI_KillSnapIn. The plug-in must destroy
 *      its control and form there; the bar destroys any of the two that still
 *      exists after TSI_KillSnapIn, because their code is about to go away.
 * The bar also calls TSI_GetControl whenever it restacks its elements or fits
 * their widths, so it must keep returning the same control (or NULL).
 *
 * A plug-in that fails does not take the bar down. An exception leaving an
 * entry point (or the form's handling of TSI_MSG_BAR_WINDOW) gives the
 * plug-in up: its control leaves the bar, TSI_KillSnapIn is still called
 * (unless TSI_InitSnapIn itself failed), and the library is unloaded. A
 * library whose needed libraries name another major version of Qt, or no
 * Qt at all, is never loaded. The bar records which library it calls into;
 * a plug-in inside which the bar ended (a crash) is skipped from the next
 * start on until its file changes or it is dropped on the bar again. A
 * TSI_MSG_REBUILD sent while the plug-in's own code runs is carried out once
 * that code has returned.
 *
 * A library of a file name that is already loaded in the process is not
 * loaded a second time (the same plug-in named twice in the layout appears
 * once). The six built-in snap-in names "txamp.tsi", "txclock.tsi",
 * "txnotes.tsi", "txterm.tsi", "txdialup.tsi" and "txpic.tsi" are reserved.
 *
 * Define the entry points inside an extern "C" block: a definition whose type
 * differs from the declaration below is then a compile error instead of a
 * silently missing export. With GCC, build with -fno-gnu-unique so that the
 * library can really be unloaded and its statics start afresh on reload.
 */
#ifndef TOLVEX_SNAPIN_H
#define TOLVEX_SNAPIN_H

#include <stdint.h>

#if defined(_WIN32)
#define TSI_EXPORT __declspec(dllexport)
#else
#define TSI_EXPORT __attribute__((visibility("default")))
#endif

/* The interface version this header describes. Version 0 (or a library
 * without TSI_GetInterfaceVersion) is the basic interface, whose
 * TSI_ShowSnapIn is never called; every other value adds TSI_ShowSnapIn. */
#define TSI_INTERFACE_VERSION 1

/* Messages between a plug-in and the bar: Qt events of these types. The bar
 * accepts a plain QEvent or a TSI_Message (below); only TSI_MSG_REBUILD reads
 * a parameter (its WParam). */
#define TSI_MSG_BAR_WINDOW 2025 /* bar -> form: WParam and LParam are the bar */
#define TSI_MSG_RESTACK 2026    /* -> bar: re-place the elements after a height change */
#define TSI_MSG_ACTIVATE 2027   /* -> bar: bring the bar to the front */
#define TSI_MSG_REBUILD 2028    /* -> bar: rebuild from element WParam (1-based), 0 all */

#ifdef __cplusplus
#include <QtCore/qcoreevent.h>

QT_BEGIN_NAMESPACE
class QWidget;
QT_END_NAMESPACE

/* One message with its two parameters. Send it with
 * QCoreApplication::sendEvent or post a heap copy with postEvent, e.g.
 * QCoreApplication::postEvent(bar, new TSI_Message(TSI_MSG_RESTACK)). */
class TSI_Message : public QEvent {
 public:
  explicit TSI_Message(int type, intptr_t wParam = 0, intptr_t lParam = 0)
      : QEvent(static_cast<QEvent::Type>(type)), wParam_(wParam), lParam_(lParam) {}
  intptr_t WParam() const { return wParam_; }
  intptr_t LParam() const { return lParam_; }

 private:
  intptr_t wParam_;
  intptr_t lParam_;
};

extern "C" {
#else
typedef struct QWidget QWidget;
#endif

/* The entry points, by the names the bar looks up. */
typedef void TSI_InitSnapInFn(QWidget* bar); /* once after loading: the bar */
typedef void TSI_KillSnapInFn(void);         /* once before unloading */
typedef const char* TSI_GetNameFn(void);     /* UTF-8 name; not called by the bar */
typedef QWidget* TSI_GetFormFn(void);        /* a form of the plug-in, or NULL */
typedef QWidget* TSI_GetControlFn(void);     /* the control to show, or NULL */
typedef uint16_t TSI_GetInterfaceVersionFn(void);
typedef void TSI_ShowSnapInFn(void); /* after every build, the bar visible */

TSI_EXPORT TSI_InitSnapInFn TSI_InitSnapIn;
TSI_EXPORT TSI_KillSnapInFn TSI_KillSnapIn;
TSI_EXPORT TSI_GetNameFn TSI_GetName;
TSI_EXPORT TSI_GetFormFn TSI_GetForm;
TSI_EXPORT TSI_GetControlFn TSI_GetControl;
TSI_EXPORT TSI_GetInterfaceVersionFn TSI_GetInterfaceVersion;
TSI_EXPORT TSI_ShowSnapInFn TSI_ShowSnapIn;

#ifdef __cplusplus
}
#endif

#endif /* TOLVEX_SNAPIN_H */
