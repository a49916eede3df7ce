#include "app/ui/kit/language.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>
#include <algorithm>
#include <map>
#include <set>

#include "app/caption_map.h"
#include "app/language_texts.h"
#include "app/ui/kit/data_dir.h"
#include "app/ui/kit/messages.h"

namespace orvanta {
namespace {

int g_active_language = 0;
// Counts loads, so a window can tell whether it shows the current texts.
int g_generation = 0;
const char kGenerationProperty[] = "orvantaLanguageGeneration";

// The Polish text as it always read; English gets its own (entry 1386).
const char kNotFound[] = "THE FILE WITH THE CHOOSEN LANGUAGE IS NOT FOUND";

QObject* FindComponent(QWidget* window, const char* name) {
  if (QObject* o = window->findChild<QObject*>(QString::fromLatin1(name))) return o;
  return nullptr;
}

void SetCaption(QObject* o, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(o)) {
    a->setText(text);
  } else if (auto* m = qobject_cast<QMenu*>(o)) {
    m->setTitle(text);
  } else if (auto* b = qobject_cast<QAbstractButton*>(o)) {
    b->setText(text);
  } else if (auto* l = qobject_cast<QLabel*>(o)) {
    l->setText(text);
  } else if (auto* g = qobject_cast<QGroupBox*>(o)) {
    g->setTitle(text);
  } else if (auto* e = qobject_cast<QLineEdit*>(o)) {
    e->setText(text);
  } else if (auto* c = qobject_cast<QComboBox*>(o)) {
    // The text of a combo box shows without selecting anything.
    c->setCurrentIndex(-1);
    if (c->isEditable()) {
      c->setEditText(text);
    } else {
      c->setPlaceholderText(text);
    }
  } else if (auto* w = qobject_cast<QWidget*>(o); w && w->isWindow()) {
    w->setWindowTitle(text);
  } else if (o->metaObject()->indexOfProperty("text") >= 0) {
    o->setProperty("text", text);
  } else if (o->metaObject()->indexOfProperty("title") >= 0) {
    o->setProperty("title", text);
  }
}

void SetHint(QObject* o, const QString& text) {
  if (auto* a = qobject_cast<QAction*>(o)) {
    a->setToolTip(text);
  } else if (auto* w = qobject_cast<QWidget*>(o)) {
    w->setToolTip(text);
  }
}

// Clears the list and fills it with the texts in entry order. A combo box
// whose text the table sets shows that text with nothing selected; other
// lists keep the choice the user made, in the new words.
void SetItems(QObject* o, const QStringList& items, bool has_own_text) {
  if (auto* c = qobject_cast<QComboBox*>(o)) {
    const int previous = c->currentIndex();
    {
      const QSignalBlocker block(c);
      c->clear();
      c->addItems(items);
      c->setCurrentIndex(-1);
    }
    if (!has_own_text && previous >= 0 && previous < c->count()) {
      const QSignalBlocker block(c);
      c->setCurrentIndex(previous);
      return;
    }
    const QString first = items.isEmpty() ? QString() : items.first();
    if (c->isEditable()) {
      c->setEditText(first);
    } else {
      c->setPlaceholderText(first);
    }
  } else if (auto* l = qobject_cast<QListWidget*>(o)) {
    const int previous = l->currentRow();
    const QSignalBlocker block(l);
    l->clear();
    l->addItems(items);
    if (previous >= 0 && previous < l->count()) l->setCurrentRow(previous);
  } else if (auto* p = qobject_cast<QPlainTextEdit*>(o)) {
    p->setPlainText(items.join('\n'));
  } else if (auto* t = qobject_cast<QTextEdit*>(o)) {
    t->setPlainText(items.join('\n'));
  }
}

}  // namespace

QString Text(int n) { return QString::fromStdString(ActiveLanguageTexts().Text(n)); }

QString TextOr(int n, const QString& design) {
  const QString text = Text(n);
  return text.isEmpty() ? design : text;
}

void ApplyLanguageTexts(QWidget* window) {
  // Before any language file is loaded the windows keep their own texts.
  if (!window || window->objectName().isEmpty() || g_active_language == 0) return;
  const QByteArray name = window->objectName().toLatin1();
  const auto rows = CaptionRowsOf(name.constData());
  if (rows.empty()) return;

  // Item lists first (cleared and refilled in entry order), then captions,
  // so that a combo box's own text is set after its list was rebuilt.
  window->setProperty(kGenerationProperty, g_generation);
  std::map<std::string, std::vector<int>> lists;
  std::vector<std::string> list_order;
  std::set<std::string> own_text;
  for (const CaptionRow& r : rows) {
    if (r.kind == CaptionKind::Text) own_text.insert(r.component);
    if (r.kind != CaptionKind::Item) continue;
    auto& entries = lists[r.component];
    if (entries.empty()) list_order.push_back(r.component);
    entries.push_back(r.entry);
  }
  for (const std::string& component : list_order) {
    QObject* o = FindComponent(window, component.c_str());
    if (!o) continue;
    auto entries = lists[component];
    std::sort(entries.begin(), entries.end());
    QStringList items;
    for (int n : entries) items << Text(n);
    if (items.join(QString()).isEmpty()) continue;
    SetItems(o, items, own_text.count(component) > 0);
  }
  for (const CaptionRow& r : rows) {
    // An entry the file leaves empty keeps the caption the component has.
    if (Text(r.entry).isEmpty()) continue;
    switch (r.kind) {
      case CaptionKind::Item: break;
      case CaptionKind::Window: window->setWindowTitle(Text(r.entry)); break;
      case CaptionKind::Text:
        if (QObject* o = FindComponent(window, r.component)) SetCaption(o, Text(r.entry));
        break;
      case CaptionKind::Hint:
        if (QObject* o = FindComponent(window, r.component)) SetHint(o, Text(r.entry));
        break;
    }
  }
}

void ApplyLanguageTexts() {
  for (QWidget* w : QApplication::topLevelWidgets()) ApplyLanguageTexts(w);
}

QString LanguageFilePath(int number) {
  const LanguageInfo* info = FindLanguage(number);
  if (!info) return {};
  return DataPath(QStringLiteral("lng/%1.lng").arg(QString::fromLatin1(info->code)));
}

namespace {

bool LoadFile(int number) {
  const LanguageInfo* info = FindLanguage(number);
  if (!info) return false;
  const QString path = LanguageFilePath(number);
  if (!QFileInfo(path).isFile()) return false;
  const LanguageLoadResult r =
      ActiveLanguageTexts().LoadLanguageFile(QFile::encodeName(path).toStdString(), info->code_page);
  if (!r.opened) return false;
  g_active_language = number;
  ++g_generation;
  return true;
}

// Windows built after a language was loaded take its texts when they are
// first shown (or shown again after a change they missed).
class LanguageWatcher : public QObject {
 public:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      auto* w = qobject_cast<QWidget*>(watched);
      if (w && w->isWindow() && !w->objectName().isEmpty() &&
          w->property(kGenerationProperty).toInt() != g_generation)
        ApplyLanguageTexts(w);
    }
    return false;
  }
};

void WatchNewWindows() {
  static LanguageWatcher* watcher = nullptr;
  if (watcher || !QCoreApplication::instance()) return;
  watcher = new LanguageWatcher;
  watcher->setParent(QCoreApplication::instance());
  QCoreApplication::instance()->installEventFilter(watcher);
}

void Applied(int number) {
  WatchNewWindows();
  ApplyLanguageTexts();
  emit LanguageEvents::Instance()->languageChanged(number);
}

}  // namespace

bool LoadLanguage(int number, QWidget* parent) {
  if (!FindLanguage(number) || !LoadFile(number)) {
    Messages::Info(parent, QStringLiteral("ORVANTA INFO"), TextOr(1386, QString::fromLatin1(kNotFound)));
    return false;
  }
  Applied(number);
  return true;
}

int LoadStoredLanguage(int number, QWidget* parent) {
  if (!FindLanguage(number)) return 0;
  if (!LoadFile(number)) {
    Messages::Info(parent, QStringLiteral("ORVANTA INFO"), TextOr(1386, QString::fromLatin1(kNotFound)));
    // The windows' own texts are Polish; the Polish file gives the same.
    if (number == 1 || !LoadFile(1)) return 0;
    number = 1;
  }
  Applied(number);
  return number;
}

int ActiveLanguageNumber() { return g_active_language; }

bool PolishTicked() { return g_active_language == 1; }

std::vector<LanguageMenuEntry> LanguageMenuEntries() {
  std::vector<LanguageMenuEntry> out;
  for (const LanguageInfo& l : Languages())
    out.push_back({l.number, QString::fromLatin1(l.caption), QString::fromLatin1(l.code)});
  return out;
}

LanguageEvents* LanguageEvents::Instance() {
  static auto* instance = new LanguageEvents;
  return instance;
}

}  // namespace orvanta
