// The user-interface side of the language table: texts as QString, the
// captions of live windows, and the language menu's choice.
#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QWidget;

namespace orvanta {

// Language text n of the active language (empty before any file is loaded).
QString Text(int n);
// Language text n, or `design` (the window's own Polish text) while no
// language file has given that entry.
QString TextOr(int n, const QString& design);

// Puts the language texts into every live window the caption table names.
// Windows that do not exist yet are skipped; once a language is loaded, a
// window built later takes the texts when it is first shown (it may also
// call the per-window form itself, e.g. at the end of its constructor).
// Item lists are refilled in entry order; a combo box whose own text the
// table sets shows it with nothing selected, other lists keep their choice.
void ApplyLanguageTexts();
void ApplyLanguageTexts(QWidget* window);

// Where the file of a language lives (DataPath("lng/<code>.lng")); empty for
// a number outside 1..21.
QString LanguageFilePath(int number);

// Language menu click: when the file is missing shows "THE FILE WITH THE
// CHOOSEN LANGUAGE IS NOT FOUND" (caption "ORVANTA INFO") and returns false
// with nothing changed; otherwise loads it, makes it the ticked language,
// applies it to all windows and returns true. The caller redraws.
bool LoadLanguage(int number, QWidget* parent = nullptr);

// First load of a run, for the stored language number. A number outside
// 1..21 loads nothing and ticks nothing (returns 0). A missing file is
// reported and the Polish texts (the windows' own) are loaded instead when
// they can be. Returns the number of the language now ticked (0 for none).
int LoadStoredLanguage(int number, QWidget* parent = nullptr);

// The ticked language (0 when none).
int ActiveLanguageNumber();
// "PL" ticked: some chart texts follow this instead of the table.
bool PolishTicked();

struct LanguageMenuEntry {
  int number;       // 1..21
  QString caption;  // "PL", "EN" …
  QString code;     // "pl", "en" …
};
// The 21 items of the "Język" menu in menu order.
std::vector<LanguageMenuEntry> LanguageMenuEntries();

// Signals after texts were applied to all windows (the main window refreshes
// its altitude label, the comfort-zone choice and so on).
class LanguageEvents : public QObject {
  Q_OBJECT
 public:
  static LanguageEvents* Instance();
 signals:
  void languageChanged(int number);
};

}  // namespace orvanta
