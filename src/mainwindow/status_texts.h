// The texts that take turns on the main window's status line, and the web addresses behind the
// status line and the web-links menu items. No platform calls.
#pragma once

namespace statustexts {

constexpr int kStatusTextCount = 11;

// The status text at index, or null at the end of the table (index kStatusTextCount) and
// beyond it.
const char* StatusText(int index);

// The text to show now for *statusIndex, which then moves on to the next entry. An index at or
// past the end (or negative) starts again at entry 0.
const char* NextStatusText(int* statusIndex);

// The address that a click on the status line opens, whichever text it shows.
const char* StatusLinkAddress();

// The address of a web-links menu item (IDM_WEB_HOME .. IDM_WEB_MAKER_HOME); null for any
// other id.
const char* WebLinkAddress(int commandId);

} // namespace statustexts
