// A sample plug-in snap-in: a small panel with a caption and a button that
// makes the panel taller or shorter and asks the bar to restack.
//
// It also records each of its calls, one word a line, in the file named by
// the environment variable TOLVEX_SAMPLE_SNAPIN_LOG (when set), so that tests
// can follow its life: load, init, bar-window, show, kill, unload.
#include <tolvex/snapin.h>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWidget>

#ifndef SAMPLE_NAME
#define SAMPLE_NAME "sample"
#endif
#ifndef SAMPLE_INTERFACE_VERSION
#define SAMPLE_INTERFACE_VERSION TSI_INTERFACE_VERSION
#endif

namespace {

void Record(const char* call) {
  const QByteArray path = qgetenv("TOLVEX_SAMPLE_SNAPIN_LOG");
  if (path.isEmpty()) return;
  QFile file(QString::fromLocal8Bit(path));
  if (file.open(QIODevice::Append)) file.write(QByteArray(SAMPLE_NAME " ") + call + "\n");
}

// Load and unload of the library: its static objects are built and destroyed then.
struct LifeRecorder {
  LifeRecorder() { Record("load"); }
  ~LifeRecorder() { Record("unload"); }
} lifeRecorder;

// The form learns the bar's window from the message the bar sends it.
class SampleForm : public QWidget {
 public:
  QWidget* bar = nullptr;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == TSI_MSG_BAR_WINDOW) {
      const auto* message = static_cast<TSI_Message*>(event);
      bar = reinterpret_cast<QWidget*>(message->WParam());
      Record(message->LParam() == message->WParam() ? "bar-window" : "bar-window-mismatch");
      return true;
    }
    return QWidget::event(event);
  }
};

constexpr int kShortHeight = 40;
constexpr int kTallHeight = 80;

QWidget* control = nullptr;
SampleForm* form = nullptr;

}  // namespace

extern "C" {

void TSI_InitSnapIn(QWidget* bar) {
  Record(bar != nullptr ? "init" : "init-without-bar");
  form = new SampleForm;
  control = new QWidget;
  control->resize(104, kShortHeight);
  auto* layout = new QVBoxLayout(control);
  layout->setContentsMargins(2, 2, 2, 2);
  layout->addWidget(new QLabel(QStringLiteral("Beispiel"), control));
  auto* button = new QPushButton(QStringLiteral("Größe"), control);
  layout->addWidget(button);
  QObject::connect(button, &QPushButton::clicked, [] {
    control->resize(control->width(),
                    control->height() == kShortHeight ? kTallHeight : kShortHeight);
    if (form->bar != nullptr) {
      QCoreApplication::postEvent(form->bar, new TSI_Message(TSI_MSG_RESTACK));
    }
  });
}

void TSI_KillSnapIn(void) {
  Record("kill");
#ifndef SAMPLE_LEAVES_WIDGETS  // a careless plug-in, for the tests of the bar
  delete control;
  delete form;
#endif
  control = nullptr;
  form = nullptr;
}

const char* TSI_GetName(void) {
  return "Beispiel";
}

QWidget* TSI_GetForm(void) {
  return form;
}

QWidget* TSI_GetControl(void) {
  return control;
}

uint16_t TSI_GetInterfaceVersion(void) {
  return SAMPLE_INTERFACE_VERSION;
}

void TSI_ShowSnapIn(void) {
  Record("show");
}

}  // extern "C"
