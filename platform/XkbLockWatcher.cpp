#include "XkbLockWatcher.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>

#include <xcb/xcb.h>
// The keyboard extension's header names a field `explicit`.
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit

namespace {
// A reply of the X server, freed with the C library as xcb asks.
template <class Reply>
using XReply = std::unique_ptr<Reply, decltype(&std::free)>;
template <class Reply>
XReply<Reply> Take(Reply* reply) {
  return XReply<Reply>(reply, &std::free);
}
}  // namespace

std::unique_ptr<QAbstractNativeEventFilter> XkbLockWatcher::Start(std::function<void(const LockState&)> changed) {
  auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
  if (!app) return nullptr;
#if QT_CONFIG(xcb)
  auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* c = x11 ? x11->connection() : nullptr;
#else
  xcb_connection_t* c = nullptr;
#endif
  if (!c) return nullptr;
  const xcb_query_extension_reply_t* ext = xcb_get_extension_data(c, &xcb_xkb_id);
  if (!ext || !ext->present) return nullptr;
  auto use = Take(xcb_xkb_use_extension_reply(
      c, xcb_xkb_use_extension(c, XCB_XKB_MAJOR_VERSION, XCB_XKB_MINOR_VERSION), nullptr));
  if (!use || !use->supported) return nullptr;
  auto state = Take(xcb_xkb_get_state_reply(c, xcb_xkb_get_state(c, XCB_XKB_ID_USE_CORE_KBD), nullptr));
  if (!state) return nullptr;

  std::unique_ptr<XkbLockWatcher> watcher(new XkbLockWatcher(c, ext->first_event, std::move(changed)));
  watcher->device_ = state->deviceID;
  watcher->locked_ = state->lockedMods;
  watcher->ReadNumLockMask();
  // The state events for changes of the locked modifiers. Only that detail is
  // touched: the rest of the connection's selection stays Qt's (which already
  // asks for the keymap's changes, heard here too).
  xcb_xkb_select_events_details_t details{};
  details.affectState = XCB_XKB_STATE_PART_MODIFIER_LOCK;
  details.stateDetails = XCB_XKB_STATE_PART_MODIFIER_LOCK;
  xcb_xkb_select_events_aux(c, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_EVENT_TYPE_STATE_NOTIFY, 0, 0, 0, 0, &details);
  xcb_flush(c);
  app->installNativeEventFilter(watcher.get());
  return watcher;
}

XkbLockWatcher::XkbLockWatcher(xcb_connection_t* connection, uint8_t firstEvent,
                               std::function<void(const LockState&)> changed)
    : connection_(connection), firstEvent_(firstEvent), changed_(std::move(changed)) {}

XkbLockWatcher::~XkbLockWatcher() = default;  // the base takes the filter out of the application

void XkbLockWatcher::ReadNumLockMask() {
  // The "Num Lock" indicator lights while its modifiers are locked; most
  // keymaps put Num Lock on the second of the five free modifiers.
  numMask_ = XCB_MOD_MASK_2;
  static const char kName[] = "Num Lock";
  auto atom = Take(xcb_intern_atom_reply(connection_, xcb_intern_atom(connection_, 1, std::strlen(kName), kName), nullptr));
  if (!atom || atom->atom == XCB_ATOM_NONE) return;
  auto led = Take(xcb_xkb_get_named_indicator_reply(
      connection_,
      xcb_xkb_get_named_indicator(connection_, XCB_XKB_ID_USE_CORE_KBD, XCB_XKB_LED_CLASS_DFLT_XI_CLASS,
                                  XCB_XKB_ID_DFLT_XI_ID, atom->atom),
      nullptr));
  if (led && led->found && (led->map_whichMods & XCB_XKB_IM_MODS_WHICH_USE_LOCKED) && led->map_mods)
    numMask_ = led->map_mods;
}

LockState XkbLockWatcher::State() const {
  return LockState{true, (locked_ & XCB_MOD_MASK_LOCK) != 0, (locked_ & numMask_) != 0};
}

bool XkbLockWatcher::nativeEventFilter(const QByteArray& type, void* message, qintptr*) {
  if (type != "xcb_generic_event_t") return false;
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & 0x7f) != firstEvent_) return false;
  const auto* xkb = reinterpret_cast<const xcb_xkb_state_notify_event_t*>(event);  // the first bytes of every one
  if (xkb->deviceID != device_) return false;
  const LockState before = State();
  if (xkb->xkbType == XCB_XKB_STATE_NOTIFY) locked_ = xkb->lockedMods;
  else if (xkb->xkbType == XCB_XKB_MAP_NOTIFY || xkb->xkbType == XCB_XKB_NEW_KEYBOARD_NOTIFY) ReadNumLockMask();
  if (State() != before && changed_) changed_(State());
  return false;  // Qt's keyboard handling needs these events too
}
