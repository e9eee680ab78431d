// The show command of a launch on X11. A watcher with its own connection to
// the display ($DISPLAY) listens for changes of the root window's client
// list; the first listed window whose _NET_WM_PID is the started process or one
// of its descendants is minimised (ICCCM WM_CHANGE_STATE) or maximised
// (_NET_WM_STATE). It gives up after a while.
#include <xcb/xcb.h>

#include <QFile>
#include <QObject>
#include <QSocketNotifier>
#include <QTimer>
#include <cstdlib>
#include <set>
#include <vector>

#include "platform/linux/first_window_state.h"
#include "platform/shell.h"
#include "platform/x11/intern_atom.h"

namespace tolvex::platform {

namespace {

constexpr int kGiveUpMs = 20000;
constexpr int kIconicState = 3;
constexpr int kRetryMs = 200;
constexpr int kMaxRetries = 10;

std::vector<uint32_t> Cardinals(xcb_connection_t* connection, xcb_window_t window,
                                xcb_atom_t property, xcb_atom_t type) {
  xcb_get_property_reply_t* reply = xcb_get_property_reply(
      connection, xcb_get_property(connection, 0, window, property, type, 0, 65536), nullptr);
  std::vector<uint32_t> values;
  if (reply != nullptr && reply->format == 32) {
    const auto* data = static_cast<const uint32_t*>(xcb_get_property_value(reply));
    values.assign(data, data + xcb_get_property_value_length(reply) / 4);
  }
  free(reply);
  return values;
}

// The parent process of `pid`, from /proc (0 when unknown).
std::int64_t ParentOf(std::int64_t pid) {
  QFile stat(QString("/proc/%1/stat").arg(pid));
  if (!stat.open(QIODevice::ReadOnly)) return 0;
  const QByteArray text = stat.readAll();
  // "pid (name) state ppid …"; the name may hold blanks and parentheses.
  const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
  return fields.size() > 1 ? fields[1].toLongLong() : 0;
}

bool IsSameOrDescendant(std::int64_t pid, std::int64_t ancestor) {
  for (int depth = 0; depth < 16 && pid > 1; ++depth) {
    if (pid == ancestor) return true;
    pid = ParentOf(pid);
  }
  return false;
}

class FirstWindowWatcher : public QObject {
 public:
  FirstWindowWatcher(xcb_connection_t* connection, std::int64_t pid, int showCommand)
      : connection_(connection), pid_(pid), showCommand_(showCommand) {
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    clientList_ = x11::InternAtom(connection_, "_NET_CLIENT_LIST");
    wmPid_ = x11::InternAtom(connection_, "_NET_WM_PID");
    const uint32_t mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection_);
    notifier_ =
        new QSocketNotifier(xcb_get_file_descriptor(connection_), QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Process(false); });
    connect(&retry_, &QTimer::timeout, this, &FirstWindowWatcher::Retry);
    QTimer::singleShot(kGiveUpMs, this, &QObject::deleteLater);
    // The program may have been quicker than this watcher.
    Process(true);
  }
  ~FirstWindowWatcher() override { xcb_disconnect(connection_); }

 private:
  // Events that arrive while a reply is awaited wait in xcb's own queue,
  // where the socket notifier cannot see them: the queue is drained after
  // every check of the client list.
  void Process(bool check) {
    for (;;) {
      bool targetMapped = false;
      bool targetGone = false;
      while (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_PROPERTY_NOTIFY &&
            reinterpret_cast<xcb_property_notify_event_t*>(event)->atom == clientList_) {
          check = true;
        }
        if (type == XCB_MAP_NOTIFY &&
            reinterpret_cast<xcb_map_notify_event_t*>(event)->window == target_) {
          targetMapped = true;
        }
        // Its id may soon name another program's window.
        if (type == XCB_DESTROY_NOTIFY &&
            reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == target_) {
          targetGone = true;
        }
        free(event);
      }
      if (xcb_connection_has_error(connection_) || targetGone) return Finish();
      if (targetMapped && !retry_.isActive()) return Request();
      if (!check || target_ != 0) return;
      check = false;
      CheckNewWindows();
    }
  }

  void CheckNewWindows() {
    for (uint32_t window : Cardinals(connection_, root_, clientList_, XCB_ATOM_WINDOW)) {
      if (!checked_.insert(window).second) continue;
      const auto pid = Cardinals(connection_, window, wmPid_, XCB_ATOM_CARDINAL);
      if (pid.empty() || !IsSameOrDescendant(pid.front(), pid_)) continue;
      // The window manager lists a window before it shows it; the request
      // waits until it is shown.
      target_ = window;
      const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
      xcb_change_window_attributes(connection_, window, XCB_CW_EVENT_MASK, &mask);
      if (IsViewable(window)) Request();
      return;
    }
  }

  bool IsViewable(xcb_window_t window) {
    xcb_get_window_attributes_reply_t* reply = xcb_get_window_attributes_reply(
        connection_, xcb_get_window_attributes(connection_, window), nullptr);
    const bool viewable = reply != nullptr && reply->map_state == XCB_MAP_STATE_VIEWABLE;
    free(reply);
    return viewable;
  }

  // Window managers may drop a request that comes while they still settle a
  // new window, so it is repeated until the state shows.
  void Request() {
    Send();
    retry_.start(kRetryMs);
  }

  void Retry() {
    Process(false);
    if (!retry_.isActive()) return;
    if (HasState() || ++retries_ >= kMaxRetries) return Finish();
    Send();
  }

  bool HasState() {
    if (showCommand_ == ShowMinimized) {
      const xcb_atom_t wmState = x11::InternAtom(connection_, "WM_STATE");
      const auto state = Cardinals(connection_, target_, wmState, wmState);
      return !state.empty() && state.front() == kIconicState;
    }
    const xcb_atom_t vertical = x11::InternAtom(connection_, "_NET_WM_STATE_MAXIMIZED_VERT");
    for (uint32_t atom : Cardinals(connection_, target_,
                                   x11::InternAtom(connection_, "_NET_WM_STATE"), XCB_ATOM_ATOM)) {
      if (atom == vertical) return true;
    }
    return false;
  }

  void Send() {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = target_;
    if (showCommand_ == ShowMinimized) {
      message.type = x11::InternAtom(connection_, "WM_CHANGE_STATE");
      message.data.data32[0] = kIconicState;
    } else {
      message.type = x11::InternAtom(connection_, "_NET_WM_STATE");
      message.data.data32[0] = 1;  // add
      message.data.data32[1] = x11::InternAtom(connection_, "_NET_WM_STATE_MAXIMIZED_VERT");
      message.data.data32[2] = x11::InternAtom(connection_, "_NET_WM_STATE_MAXIMIZED_HORZ");
      message.data.data32[3] = 1;  // asked for by an application
    }
    xcb_send_event(connection_, 0, root_,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection_);
  }

  void Finish() {
    notifier_->setEnabled(false);
    retry_.stop();
    deleteLater();
  }

  xcb_connection_t* connection_;
  std::int64_t pid_;
  int showCommand_;
  xcb_window_t root_ = 0;
  xcb_atom_t clientList_ = XCB_ATOM_NONE;
  xcb_atom_t wmPid_ = XCB_ATOM_NONE;
  std::set<uint32_t> checked_;
  xcb_window_t target_ = 0;  // the program's first window, once found
  QSocketNotifier* notifier_ = nullptr;
  QTimer retry_;
  int retries_ = 0;
};

}  // namespace

void RequestFirstWindowState(std::int64_t pid, int showCommand) {
  if (pid <= 0 || (showCommand != ShowMinimized && showCommand != ShowMaximized)) return;
  if (std::getenv("DISPLAY") == nullptr) return;
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) {
    xcb_disconnect(connection);
    return;
  }
  new FirstWindowWatcher(connection, pid, showCommand);
}

}  // namespace tolvex::platform
