// Synchronise: the clock's user-visible operation around the Time-protocol
// client, shared by the clock panel and the clock settings dialog. It shows
// the hourglass while the client works and, when asked, tells the user how
// it went in the platform's standard message box.
#pragma once

class QWidget;

namespace tolvex {

class TIdTime;

// Sets the clock from `client`'s host. With no host, warns (with messages)
// or does nothing. Any failure of the client counts as false. `parent` owns
// the message boxes.
bool Synchronise(TIdTime& client, bool withMessages, QWidget* parent = nullptr);

}  // namespace tolvex
