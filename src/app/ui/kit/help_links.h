// Buttons that open a help page ("Wiedza", "YouTube", the calculators'
// "Instrukcja"): the page address is line `line` of a link file fetched
// over HTTP(S) from the link base address kept in the settings.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

#include "app/help_links.h"

class QPushButton;
class QWidget;

namespace orvanta {

enum class HelpLinkOutcome {
  Opened,        // the address was handed to the browser
  NoConnection,  // the server could not be reached; language text 296 was shown
  NoAddress,     // the file arrived without that line (or did not arrive): nothing to open, said so
  NotOpened,     // no browser took the address; said so
};

// Downloads the link file of `pair` (Polish or English by the language
// choice) into the temporary folder, reads line `line`, deletes the file and
// opens the address in the default browser.
HelpLinkOutcome OpenHelpLink(HelpLinkPair pair, int line, QWidget* parent = nullptr);
// The same with the language choice given.
HelpLinkOutcome OpenHelpLink(HelpLinkPair pair, int line, bool polish, QWidget* parent);

// Base address of the link files (settings value "LINKI"), and of the
// program's web site (settings value "WWW").
QString HelpLinkBase();
QString ProgramWebSite();

// Fetches a small file over HTTP(S) into memory. Returns false on any
// failure; `no_connection` tells whether the server could not be reached at
// all (as opposed to answering with an error). Gives up after `timeout_ms`.
bool FetchSmallFile(const QUrl& url, QByteArray* content, bool* no_connection, int timeout_ms = 15000);

// Opens an address or a document with the desktop's default application.
// Tests replace the opener so nothing is launched.
bool OpenExternally(const QUrl& url);
void SetExternalOpener(std::function<bool(const QUrl&)> opener);

// A help button ("Wiedza", "YouTube", "Instrukcja" …): a push button with
// that objectName and text whose click opens line `line` of the link file
// of `pair` (OpenHelpLink, with the language choice at the time of the click).
QPushButton* MakeHelpLinkButton(QWidget* parent, const QString& object_name, const QString& text,
                                HelpLinkPair pair, int line);

}  // namespace orvanta
