// Desktop-toolbar service on X11.
#include "platform/x11/x11_desktop_toolbar.h"

#include <QGuiApplication>
#include <QMetaObject>
#include <QPlatformSurfaceEvent>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "platform/docked_strips.h"
#include "platform/x11/struts.h"
#include "platform/x11/x11_connection.h"

namespace tolvex::platform::x11 {

namespace {

constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;
const char* const kEdgeNames[] = {"LEFT", "TOP", "RIGHT", "BOTTOM"};

bool IsEdge(int edge) {
  return edge >= 0 && edge <= 3;
}

xcb_atom_t AutoHideAtom(int edge) {
  return Atom(std::string("_TOLVEX_AUTOHIDE_") + kEdgeNames[edge]);
}

bool IsMapped(xcb_window_t window) {
  xcb_connection_t* c = Connection();
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
  const bool mapped = reply != nullptr && reply->map_state != XCB_MAP_STATE_UNMAPPED;
  std::free(reply);
  return mapped;
}

// Adds `events` (PropertyChange by default) to the events this client hears
// from `window`, keeping what it selected before (Qt selects on the root
// window too).
void SelectPropertyChanges(xcb_window_t window,
                           std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE) {
  xcb_connection_t* c = Connection();
  xcb_get_window_attributes_reply_t* reply =
      xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr);
  if (reply == nullptr) return;
  const std::uint32_t mask = reply->your_event_mask | events;
  std::free(reply);
  xcb_change_window_attributes(c, window, XCB_CW_EVENT_MASK, &mask);
}

void SendToRoot(xcb_window_t window, xcb_atom_t type, std::uint32_t d0, std::uint32_t d1,
                std::uint32_t d2, std::uint32_t d3) {
  xcb_client_message_event_t event;
  std::memset(&event, 0, sizeof(event));
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = type;
  event.data.data32[0] = d0;
  event.data.data32[1] = d1;
  event.data.data32[2] = d2;
  event.data.data32[3] = d3;
  xcb_send_event(Connection(), 0, Root(),
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&event));
}

// Waits (briefly) until the window manager has let go of a withdrawn window,
// so that the next map is a fresh start it reads the type at.
void WaitUntilWithdrawn(xcb_window_t window) {
  const xcb_atom_t wmState = Atom("WM_STATE");
  for (int i = 0; i < 200; ++i) {
    const std::vector<std::uint32_t> state = Get32(window, wmState, wmState);
    if (state.empty() || state[0] == 0) return;
    QThread::msleep(5);
  }
}

// _NET_FRAME_EXTENTS (left, right, top, bottom) the window manager gives a
// normal window, asked for before the window is mapped.
std::vector<std::uint32_t> RequestFrameExtents(xcb_window_t window) {
  const xcb_atom_t extents = Atom("_NET_FRAME_EXTENTS");
  Delete(window, extents);
  SendToRoot(window, Atom("_NET_REQUEST_FRAME_EXTENTS"), 0, 0, 0, 0);
  xcb_flush(Connection());
  for (int i = 0; i < 40; ++i) {
    std::vector<std::uint32_t> values = Get32(window, extents, XCB_ATOM_CARDINAL);
    if (values.size() == 4) return values;
    QThread::msleep(5);
  }
  return {0, 0, 0, 0};
}

void AppendStrutStrips(xcb_window_t window, StripHolder holder, double ratio,
                       std::vector<DockedStrip>& strips) {
  const std::vector<DockedStrip> held =
      StripsOf(Get32(window, Atom("_NET_WM_STRUT_PARTIAL"), XCB_ATOM_CARDINAL),
               Get32(window, Atom("_NET_WM_STRUT"), XCB_ATOM_CARDINAL),
               {ScreenWidth(), ScreenHeight(), ratio}, holder);
  strips.insert(strips.end(), held.begin(), held.end());
}

}  // namespace

std::unique_ptr<X11DesktopToolbar> X11DesktopToolbar::Create() {
  if (Connection() == nullptr) return nullptr;
  return std::unique_ptr<X11DesktopToolbar>(new X11DesktopToolbar());
}

X11DesktopToolbar::X11DesktopToolbar() {
  SelectPropertyChanges(Root());
  workArea_ = Get32(Root(), Atom("_NET_WORKAREA"), XCB_ATOM_CARDINAL);
  captionTimer_.setInterval(50);
  connect(&captionTimer_, &QTimer::timeout, this, [this] { ApplyPendingCaptions(); });
  QCoreApplication::instance()->installNativeEventFilter(this);
}

X11DesktopToolbar::~X11DesktopToolbar() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeNativeEventFilter(this);
}

X11DesktopToolbar::Bar* X11DesktopToolbar::Find(WindowId window) {
  for (auto& bar : bars_) {
    if (bar->id == window) return bar.get();
  }
  return nullptr;
}

double X11DesktopToolbar::PixelRatio(const Bar& bar) const {
  return bar.window ? bar.window->devicePixelRatio() : 1.0;
}

bool X11DesktopToolbar::New(WindowId window, ToolbarCallback callback) {
  if (Find(window)) return false;
  auto bar = std::make_unique<Bar>();
  bar->id = window;
  bar->callback = std::move(callback);
  for (QWindow* candidate : QGuiApplication::allWindows()) {
    if (candidate->handle() != nullptr && candidate->winId() == window) bar->window = candidate;
  }
  if (bar->window) {
    bar->window->installEventFilter(this);
    QWindow* qwindow = bar->window;
    connect(qwindow, &QWindow::screenChanged, this, [this, qwindow] {
      for (auto& b : bars_) {
        if (b->window == qwindow) {
          b->writtenStrut.clear();
          ApplyStruts(*b);
        }
      }
    });
  }
  ApplyAll(*bar);
  bars_.push_back(std::move(bar));
  UpdateRegistry(window, true);
  CheckFullScreen();
  xcb_flush(Connection());
  return true;
}

bool X11DesktopToolbar::Remove(WindowId window) {
  auto it = std::find_if(bars_.begin(), bars_.end(),
                         [window](const auto& bar) { return bar->id == window; });
  if (it == bars_.end()) return false;
  Bar& bar = **it;
  bar.reserved = Rect{};
  ApplyStruts(bar);
  for (int edge = 0; edge < 4; ++edge) SetAutoHideBar(window, edge, false);
  if (bar.window) bar.window->removeEventFilter(this);
  bars_.erase(it);
  UpdateRegistry(window, false);
  xcb_flush(Connection());
  return true;
}

void X11DesktopToolbar::UpdateRegistry(WindowId window, bool add) {
  xcb_connection_t* c = Connection();
  const xcb_atom_t registry = Atom("_TOLVEX_APPBARS");
  xcb_grab_server(c);
  std::vector<std::uint32_t> list = Get32(Root(), registry, XCB_ATOM_WINDOW);
  std::vector<std::uint32_t> kept;
  for (std::uint32_t entry : list) {
    if (entry != window && WindowExists(entry)) kept.push_back(entry);
  }
  if (add) kept.push_back(static_cast<std::uint32_t>(window));
  Set32(Root(), registry, XCB_ATOM_WINDOW, kept);
  xcb_ungrab_server(c);
  for (std::uint32_t entry : kept) {
    if (entry != window) SelectPropertyChanges(entry);
  }
}

// Fits `rect` beside every dock of another program and every other bar.
void X11DesktopToolbar::Adjust(WindowId window, int edge, Rect& rect) {
  if (!IsEdge(edge)) return;
  Bar* self = Find(window);
  const double ratio = self != nullptr ? PixelRatio(*self) : 1.0;
  const std::vector<std::uint32_t> registry =
      Get32(Root(), Atom("_TOLVEX_APPBARS"), XCB_ATOM_WINDOW);
  std::vector<DockedStrip> strips;
  StripHolder holder = StripHolder::EarlierBar;
  for (std::uint32_t bar : registry) {
    if (bar == window) {
      holder = StripHolder::LaterBar;
    } else {
      AppendStrutStrips(bar, holder, ratio, strips);
    }
  }
  for (std::uint32_t client : Get32(Root(), Atom("_NET_CLIENT_LIST"), XCB_ATOM_WINDOW)) {
    if (client == window || std::find(registry.begin(), registry.end(), client) != registry.end()) {
      continue;
    }
    AppendStrutStrips(client, StripHolder::OtherProgram, ratio, strips);
  }
  FitBesideStrips(edge, rect, strips);
}

void X11DesktopToolbar::QueryPos(WindowId window, int edge, Rect& rect) {
  Adjust(window, edge, rect);
}

void X11DesktopToolbar::SetPos(WindowId window, int edge, Rect& rect) {
  Bar* bar = Find(window);
  if (bar == nullptr) return;
  const bool reserves = IsEdge(edge) && rect.Width() > 0 && rect.Height() > 0;
  if (reserves) Adjust(window, edge, rect);
  bar->edge = edge;
  bar->reserved = reserves ? rect : Rect{};
  ApplyStruts(*bar);
  xcb_flush(Connection());
}

void X11DesktopToolbar::ApplyStruts(Bar& bar) {
  // Struts count from the edges of the whole X screen, in device pixels.
  const std::vector<std::uint32_t> strut =
      StrutFor(bar.edge, bar.reserved, {ScreenWidth(), ScreenHeight(), PixelRatio(bar)});
  if (strut == bar.writtenStrut) return;
  bar.writtenStrut = strut;
  Set32(bar.id, Atom("_NET_WM_STRUT_PARTIAL"), XCB_ATOM_CARDINAL, strut);
  Set32(bar.id, Atom("_NET_WM_STRUT"), XCB_ATOM_CARDINAL,
        std::vector<std::uint32_t>(strut.begin(), strut.begin() + 4));
}

// Written to the property, which a window manager reads when it takes the
// window on, and asked for by message, which it obeys once the window is
// managed; a window just mapped may be either.
void X11DesktopToolbar::ApplyState(Bar& bar) {
  const std::vector<xcb_atom_t> atoms = {Atom("_NET_WM_STATE_ABOVE"), Atom("_NET_WM_STATE_BELOW"),
                                         Atom("_NET_WM_STATE_SKIP_TASKBAR")};
  const std::vector<bool> wanted = {bar.zOrder == ToolbarZOrder::TopMost,
                                    bar.zOrder == ToolbarZOrder::Bottom, !bar.taskEntry};
  if (wanted == bar.writtenState) return;
  const xcb_atom_t netWmState = Atom("_NET_WM_STATE");
  std::vector<std::uint32_t> state = Get32(bar.id, netWmState, XCB_ATOM_ATOM);
  for (size_t i = 0; i < atoms.size(); ++i) {
    auto it = std::find(state.begin(), state.end(), atoms[i]);
    if (wanted[i] && it == state.end()) state.push_back(atoms[i]);
    if (!wanted[i] && it != state.end()) state.erase(it);
    // Source indication 1: an application asks.
    SendToRoot(bar.id, netWmState, wanted[i] ? 1 : 0, atoms[i], 0, 1);
  }
  Set32(bar.id, netWmState, XCB_ATOM_ATOM, state);
  bar.writtenState = wanted;
}

void X11DesktopToolbar::ApplyAll(Bar& bar) {
  const char* type = bar.caption ? "_NET_WM_WINDOW_TYPE_NORMAL" : "_NET_WM_WINDOW_TYPE_DOCK";
  Set32(bar.id, Atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, {Atom(type)});
  Set32(bar.id, Atom("_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL, {kAllDesktops});
  SendToRoot(bar.id, Atom("_NET_WM_DESKTOP"), kAllDesktops, 1, 0, 0);
  bar.appliedCaption = bar.caption;
  bar.frame.clear();
  bar.writtenStrut.clear();
  bar.writtenState.clear();
  ApplyStruts(bar);
  ApplyState(bar);
}

void X11DesktopToolbar::ApplyCaption(Bar& bar) {
  if (bar.caption == bar.appliedCaption) return;
  if (!IsMapped(bar.id)) {
    ApplyAll(bar);
    return;
  }
  // Withdrawing a window under a pressed button would end the drag that is
  // under way; the switch waits for the release.
  if (auto mask = PointerMask(); mask && (*mask & XCB_BUTTON_MASK_1)) {
    captionTimer_.start();
    return;
  }
  xcb_connection_t* c = Connection();
  // The window keeps its outer rectangle, as with a frame change on other
  // desktops: a docked bar takes the frame's place, a floating one gets a
  // frame of that size. The outer rectangle is the one the program asked
  // for last, which the window manager may not have carried out yet.
  const double ratio = PixelRatio(bar);
  const QRect client = bar.window ? bar.window->geometry() : QRect();
  std::vector<std::uint32_t> old = Get32(bar.id, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
  if (old.size() != 4) old = {0, 0, 0, 0};
  long left = std::lround(client.left() * ratio) - old[0];
  long top = std::lround(client.top() * ratio) - old[2];
  long width = std::lround(client.width() * ratio) + old[0] + old[1];
  long height = std::lround(client.height() * ratio) + old[2] + old[3];

  xcb_unmap_window(c, bar.id);
  xcb_unmap_notify_event_t unmap;
  std::memset(&unmap, 0, sizeof(unmap));
  unmap.response_type = XCB_UNMAP_NOTIFY;
  unmap.event = Root();
  unmap.window = bar.id;
  xcb_send_event(c, 0, Root(),
                 XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                 reinterpret_cast<const char*>(&unmap));
  xcb_flush(c);
  WaitUntilWithdrawn(bar.id);
  ApplyAll(bar);
  if (bar.caption) {
    const std::vector<std::uint32_t> frame = RequestFrameExtents(bar.id);
    left += frame[0];
    top += frame[2];
    width -= frame[0] + frame[1];
    height -= frame[2] + frame[3];
  }
  const std::uint32_t geometry[] = {static_cast<std::uint32_t>(left),
                                    static_cast<std::uint32_t>(top),
                                    static_cast<std::uint32_t>(std::max(1L, width)),
                                    static_cast<std::uint32_t>(std::max(1L, height))};
  xcb_configure_window(c, bar.id,
                       XCB_CONFIG_WINDOW_X | XCB_CONFIG_WINDOW_Y | XCB_CONFIG_WINDOW_WIDTH |
                           XCB_CONFIG_WINDOW_HEIGHT,
                       geometry);
  xcb_map_window(c, bar.id);
  xcb_flush(c);
}

void X11DesktopToolbar::ApplyPendingCaptions() {
  if (auto mask = PointerMask(); mask && (*mask & XCB_BUTTON_MASK_1)) return;
  captionTimer_.stop();
  for (auto& bar : bars_) ApplyCaption(*bar);
}

WindowId X11DesktopToolbar::GetAutoHideBar(int edge) {
  if (!IsEdge(edge)) return 0;
  const std::vector<std::uint32_t> holder = Get32(Root(), AutoHideAtom(edge), XCB_ATOM_WINDOW);
  if (holder.empty() || !WindowExists(holder[0])) return 0;
  return holder[0];
}

bool X11DesktopToolbar::SetAutoHideBar(WindowId window, int edge, bool on) {
  if (!IsEdge(edge)) return false;
  xcb_connection_t* c = Connection();
  // The server is held so that two programs cannot claim one edge at once.
  xcb_grab_server(c);
  const WindowId holder = GetAutoHideBar(edge);
  bool result = true;
  if (on) {
    result = holder == 0 || holder == window;
    if (result) {
      Set32(Root(), AutoHideAtom(edge), XCB_ATOM_WINDOW, {static_cast<std::uint32_t>(window)});
    }
  } else if (holder == window) {
    Delete(Root(), AutoHideAtom(edge));
  }
  xcb_ungrab_server(c);
  xcb_flush(c);
  return result;
}

void X11DesktopToolbar::Activate(WindowId) {}

void X11DesktopToolbar::WindowPosChanged(WindowId window) {
  if (Bar* bar = Find(window)) ApplyStruts(*bar);
}

void X11DesktopToolbar::SetZOrder(WindowId window, ToolbarZOrder order) {
  Bar* bar = Find(window);
  if (bar == nullptr) return;
  bar->zOrder = order;
  ApplyState(*bar);
  xcb_flush(Connection());
}

void X11DesktopToolbar::SetCaption(WindowId window, bool caption) {
  Bar* bar = Find(window);
  if (bar == nullptr) return;
  bar->caption = caption;
  ApplyCaption(*bar);
}

void X11DesktopToolbar::SetTaskEntry(WindowId window, bool shown) {
  Bar* bar = Find(window);
  if (bar == nullptr) return;
  bar->taskEntry = shown;
  ApplyState(*bar);
  xcb_flush(Connection());
}

std::optional<FrameExtents> X11DesktopToolbar::Frame(WindowId window) {
  Bar* bar = Find(window);
  if (bar == nullptr) return std::nullopt;
  if (!bar->caption) return FrameExtents{};
  // Read once per frame change: the bar asks for its outer rectangle often.
  if (bar->frame.size() != 4) {
    bar->frame = Get32(bar->id, Atom("_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL);
    if (bar->frame.size() != 4) bar->frame = RequestFrameExtents(bar->id);
  }
  const std::vector<std::uint32_t>& extents = bar->frame;
  const double ratio = PixelRatio(*bar);
  auto logical = [ratio](std::uint32_t v) { return static_cast<int>(std::lround(v / ratio)); };
  return FrameExtents{logical(extents[0]), logical(extents[2]), logical(extents[1]),
                      logical(extents[3])};
}

bool X11DesktopToolbar::eventFilter(QObject* watched, QEvent* event) {
  for (auto& bar : bars_) {
    if (bar->window != watched) continue;
    if (event->type() == QEvent::PlatformSurface &&
        static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
            QPlatformSurfaceEvent::SurfaceCreated) {
      // A new native window: everything is written again before it is mapped.
      bar->id = bar->window->winId();
      ApplyAll(*bar);
      UpdateRegistry(bar->id, true);
    } else if (event->type() == QEvent::Move || event->type() == QEvent::Resize) {
      ApplyStruts(*bar);
    }
  }
  return false;
}

bool X11DesktopToolbar::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
  if (eventType != "xcb_generic_event_t") return false;
  auto* event = static_cast<xcb_generic_event_t*>(message);
  const int type = event->response_type & 0x7f;
  if (type == XCB_DESTROY_NOTIFY || type == XCB_UNMAP_NOTIFY) {
    // Both events carry the window at the same place.
    if (reinterpret_cast<xcb_destroy_notify_event_t*>(event)->window == watchedActive_) {
      CheckFullScreen();
    }
    return false;
  }
  if (type != XCB_PROPERTY_NOTIFY) return false;
  auto* property = reinterpret_cast<xcb_property_notify_event_t*>(event);
  if (property->window == Root()) {
    if (property->atom == Atom("_NET_WORKAREA")) {
      std::vector<std::uint32_t> area = Get32(Root(), property->atom, XCB_ATOM_CARDINAL);
      if (area != workArea_) {
        workArea_ = area;
        Notify(ToolbarPositionChanged, false);
      }
    } else if (property->atom == Atom("_TOLVEX_APPBARS")) {
      Notify(ToolbarPositionChanged, false);
    } else if (property->atom == Atom("_NET_ACTIVE_WINDOW")) {
      CheckFullScreen();
    }
  } else if (property->atom == Atom("_NET_FRAME_EXTENTS")) {
    for (auto& bar : bars_) {
      if (bar->id == property->window) bar->frame.clear();
    }
  } else if (property->atom == Atom("_NET_WM_STATE") && property->window == watchedActive_) {
    CheckFullScreen();
  } else if (property->atom == Atom("_NET_WM_STRUT_PARTIAL") && !Find(property->window)) {
    Notify(ToolbarPositionChanged, false);
  }
  return false;
}

void X11DesktopToolbar::CheckFullScreen() {
  const std::vector<std::uint32_t> active =
      Get32(Root(), Atom("_NET_ACTIVE_WINDOW"), XCB_ATOM_WINDOW);
  bool fullScreen = false;
  if (!active.empty() && active[0] != XCB_WINDOW_NONE && !Find(active[0])) {
    if (watchedActive_ != active[0]) {
      watchedActive_ = active[0];
      // Its state tells full screen; its end (also when killed) ends it.
      SelectPropertyChanges(watchedActive_,
                            XCB_EVENT_MASK_PROPERTY_CHANGE | XCB_EVENT_MASK_STRUCTURE_NOTIFY);
    }
    const std::vector<std::uint32_t> state = Get32(active[0], Atom("_NET_WM_STATE"), XCB_ATOM_ATOM);
    fullScreen =
        std::find(state.begin(), state.end(), Atom("_NET_WM_STATE_FULLSCREEN")) != state.end();
  }
  if (fullScreen == fullScreen_) return;
  fullScreen_ = fullScreen;
  Notify(ToolbarFullScreenApp, fullScreen);
}

// Delivered from the event loop, never from inside an X event or a call of
// the bar, so a bar may re-place itself in its reaction.
void X11DesktopToolbar::Notify(int notification, bool flag) {
  QMetaObject::invokeMethod(
      this,
      [this, notification, flag] {
        std::vector<WindowId> ids;
        for (auto& bar : bars_) ids.push_back(bar->id);
        for (WindowId id : ids) {
          Bar* bar = Find(id);
          if (bar != nullptr && bar->callback) {
            ToolbarCallback callback = bar->callback;
            callback(notification, flag);
          }
        }
      },
      Qt::QueuedConnection);
}

}  // namespace tolvex::platform::x11
