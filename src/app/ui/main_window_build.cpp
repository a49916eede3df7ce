// Construction of the main window's menus, toolbars, point panel and zoom
// buttons. Texts here are the design-time (Polish) ones; the language file
// replaces most of them at the first redraw.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "chart/ui/chart_view.h"
#include "app/ui/kit/language.h"
#include "app/ui/main_window.h"

namespace orvanta {
namespace {

QPixmap DefaultLogo() {
  QPixmap pixmap(100, 40);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0, 0, 128), 2));
  p.setBrush(QColor(235, 240, 250));
  p.drawRoundedRect(QRectF(1, 1, 98, 38), 6, 6);
  QFont f("Tahoma");
  f.setPixelSize(18);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 0, 100, 40), Qt::AlignCenter, "ORVANTA");
  return pixmap;
}

// A framed panel of the point panel with its grid of labels.
QGridLayout* FramedPanel(QWidget* parent, const QString& name, QFrame** panel) {
  *panel = new QFrame(parent);
  (*panel)->setObjectName(name);
  (*panel)->setFrameShape(QFrame::StyledPanel);
  auto* grid = new QGridLayout(*panel);
  grid->setContentsMargins(6, 2, 6, 2);
  grid->setHorizontalSpacing(6);
  grid->setVerticalSpacing(0);
  return grid;
}

QLabel* NamedLabel(QWidget* parent, const QString& name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

}  // namespace

QAction* MainWindow::NewCommand(const QString& object_name, const QString& text) {
  auto* a = new QAction(text, this);
  a->setObjectName(object_name);
  a->setEnabled(false);  // until a handler is connected
  commands_.insert(object_name, a);
  return a;
}

QAction* MainWindow::AddCommand(QMenu* menu, const QString& object_name, const QString& text,
                                const QKeySequence& shortcut) {
  QAction* a = NewCommand(object_name, text);
  if (!shortcut.isEmpty()) {
    a->setShortcut(shortcut);
    a->setShortcutContext(Qt::WindowShortcut);
  }
  menu->addAction(a);
  return a;
}

void MainWindow::BindButton(QAbstractButton* button, QAction* action) {
  // The tooltip of a button is the name of its command in the current
  // language (the toolbars show acronyms only).
  const auto follow = [button, action] {
    button->setEnabled(action->isEnabled());
    if (action->text() != button->text()) button->setToolTip(QString(action->text()).remove('&'));
  };
  follow();
  connect(action, &QAction::changed, button, follow);
  connect(button, &QAbstractButton::clicked, action, [action] {
    if (action->isEnabled()) action->trigger();
  });
}

QToolButton* MainWindow::ToolButton(QWidget* parent, const QString& object_name, const QString& text,
                                    QAction* action) {
  auto* b = new QToolButton(parent);
  b->setObjectName(object_name);
  b->setText(text);
  b->setToolButtonStyle(Qt::ToolButtonTextOnly);
  b->setAutoRaise(false);
  b->setMinimumHeight(24);
  if (action) BindButton(b, action);
  return b;
}

void MainWindow::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto menu = [&](const QString& name, const QString& text) {
    QMenu* m = bar->addMenu(text);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
  };
  auto submenu = [&](QMenu* parent, const QString& name, const QString& text) {
    QMenu* m = parent->addMenu(text);
    m->setObjectName(name);
    m->menuAction()->setObjectName(name);
    return m;
  };

  QMenu* file = menu("PLIK1", "Plik...");
  AddCommand(file, "Nowy1", "Nowy...", QKeySequence(Qt::CTRL | Qt::Key_N));
  AddCommand(file, "Otwrz1", "Otwórz...", QKeySequence(Qt::CTRL | Qt::Key_O));
  AddCommand(file, "Za", "Zapisz...", QKeySequence(Qt::CTRL | Qt::Key_S));
  AddCommand(file, "Zapisz1", "Zapisz jako", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  file->addSeparator();
  AddCommand(file, "Zapiszjakoobraz1", "Zapisz jako obraz", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O));
  AddCommand(file, "Ustawieniawydruku1", "Ustawienia wydruku", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_U));
  AddCommand(file, "Drukuj1", "Drukuj...", QKeySequence(Qt::CTRL | Qt::Key_P));
  file->addSeparator();
  AddCommand(file, "Zakocz1", "Zakończ", QKeySequence(Qt::CTRL | Qt::Key_X));

  BuildUndo(menu("Edycja1", Text(1372)));

  QMenu* options = menu("Opcje1", "Opcje...");
  AddCommand(options, "Ustawienia1", "Ustawienia", QKeySequence(Qt::CTRL | Qt::Key_U));

  QMenu* view = menu("Widok1", "Widok...");
  AddCommand(view, "Rozmiaroryginalny1", "Rozmiar oryginalny");
  AddCommand(view, "XXX1", "Zwiększ zakres X");
  AddCommand(view, "XXX2", "Zmniejsz zakres X");
  AddCommand(view, "ttt1", "Zwiększ zakres t");
  AddCommand(view, "ttt2", "Zmniejsz zakres t");

  QMenu* add = menu("Dodajpunkt1", "Dodaj...");
  AddCommand(add, "DODAJPUNKTDOWOLNY1", "Dodaj punkt dowolny");
  AddCommand(add, "DEFINIUJPUNKTMIESZANIA1", "Definiuj punkt mieszania");
  AddCommand(add, "DEFINIUJPUNKTCHODZENIA1", "Definiuj punkt chłodzenia");
  AddCommand(add, "Definiujprzemian1", "Definiuj przemianę");
  AddCommand(add, "Wspkierunkowyprzemiany1", "Definiuj współczynnik");
  // Named by the language table but without a command of its own: kept out of sight.
  AddCommand(add, "CMMAPOINT1", "Dodaj punkt wspólny")->setVisible(false);

  QMenu* process = menu("Przemiana1", "Przemiana...");
  AddCommand(process, "Listaprzemian1", "Lista przemian");
  AddCommand(process, "Lis1", "Lista współczynników przemian");

  QMenu* tools = menu("Narzdzia1", "Narzędzia...");
  QMenu* calculators = submenu(tools, "Kalkulatory1", "Kalkulatory");
  AddCommand(calculators, "Kalkulatorstratcinienia1", "Kalkulator strat ciśnienia");
  AddCommand(calculators, "Kalkulatorbilansupowietrza1", "Kalkulator bilansu powietrza");
  AddCommand(calculators, "Kalkulatorelementwregulacyjnych1", "Kalkulator elementów regulacyjnych");
  AddCommand(calculators, "Kalkulatorcentralwentylacyjnych1", "Kalkulator central wentylacyjnych");
  AddCommand(calculators, "KalkulatorbasenwVDI20892", "Kalkulator basenów VDI 2089");
  AddCommand(calculators, "Kalkulatorakustyczny1", "Kalkulator akustyczny");
  AddCommand(calculators, "Kalkulatorzuyciaenergii1", "Kalkulator zużycia energii");
  AddCommand(calculators, "Kalkulatorstratzyskwciepawkanale1", "Kalkulator strat/zysków ciepła w kanale");
  QMenu* comfort = submenu(tools, "Polekomfortu1", "Zaznacz pole komfortu");
  for (auto [name, text] : {std::pair{"wgASHRAE1997lato1", "wg. ASHRAE 1997: lato"},
                            std::pair{"wgASHRAE1997zima1", "wg. ASHRAE 1997: zima"},
                            std::pair{"wgDIN19461", "wg. DIN 1946"},
                            std::pair{"wgDINEN137792004lato1", "wg. DIN EN 13779:2004: lato"},
                            std::pair{"wgDINEN137792004zima1", "wg. DIN EN 13779:2004: zima"}}) {
    QAction* a = AddCommand(comfort, name, text);
    a->setCheckable(true);
  }
  QMenu* balance = submenu(tools, "Bilanscieplnowilgotnociowy1", "Bilans cieplno-wilgotnościowy");
  AddCommand(balance, "Zyskiciepaodpowierzchniwody1", "Zyski ciepła od powierzchni wody");
  AddCommand(balance, "Zyskiciepaodludzi1", "Zyski ciepła od ludzi");

  QMenu* help = menu("Pomoc1", "Pomoc...");
  AddCommand(help, "Oprogramie1", "O programie");
  AddCommand(help, "Pomoc2", "Pomoc");
  AddCommand(help, "Stronawwwprogramu1", "Strona www programu");

  QMenu* update = menu("Aktualizuzacja1", "Aktualizacja...");
  AddCommand(update, "Sprawdaktualizacj1", "Sprawdź aktualizację");

  language_menu_ = menu("Jzyk1", "Język");
  auto* language_group = new QActionGroup(this);
  language_group->setExclusionPolicy(QActionGroup::ExclusionPolicy::None);  // ticks are set by the loader
  for (const LanguageMenuEntry& e : LanguageMenuEntries()) {
    const QString name = e.number == 1 ? QString("Polski1") : e.number == 2 ? QString("Angielski1")
                                                                            : QString("Jezyk%1").arg(e.number);
    QAction* a = AddCommand(language_menu_, name, e.caption);
    a->setCheckable(true);
    a->setData(e.number);
    language_group->addAction(a);
  }

  // Zoom items directly on the menu bar.
  for (auto [name, text] : {std::pair{"Xplus1", "X+"}, std::pair{"Xminus1", "X-"}, std::pair{"Tplus1", "T+"},
                            std::pair{"Tminus1", "T-"}, std::pair{"Defaultsize1", "Default size"}}) {
    QAction* a = NewCommand(name, text);
    bar->addAction(a);
  }

  // Pop-up menu of the points tree.
  point_menu_ = new QMenu(this);
  point_menu_->setObjectName("PopupMenu1");
  AddCommand(point_menu_, "Dodajpunkt2", "Dodaj punkt dowolny");
  AddCommand(point_menu_, "Definiujpunktmieszania2", "Definiuj punkt mieszania");
  AddCommand(point_menu_, "Definiujpunktchodzenia2", "Definiuj punkt chłodzenia");
  point_menu_->addSeparator();
  AddCommand(point_menu_, "Edytujpunkt1", "Edytuj punkt");
  AddCommand(point_menu_, "Usupunkt1", "Usuń punkt");
  point_menu_->addSeparator();
  AddCommand(point_menu_, "Zapami1", "Zapamiętaj punkt w bibliotece");
  AddCommand(point_menu_, "Wczytajpunktzbiblioteki1", "Wczytaj punkt z biblioteki");
  AddCommand(point_menu_, "Eksportujwartocipunktwdoplikutxt1", "Eksportuj wartości punktów do pliku *.txt");
  point_menu_->addSeparator();
  point_menu_->addAction(undo_action_);
  point_menu_->addAction(redo_action_);

  // Pop-up menu of the chart.
  chart_menu_ = new QMenu(this);
  chart_menu_->setObjectName("PopupMenu2");
  QMenu* add_point = submenu(chart_menu_, "Dodajpunkt5", "Dodaj punkt");
  AddCommand(add_point, "DodajPunkt4", "Dodaj punkt dowolny...");
  AddCommand(add_point, "Dodajpunktmieszania1", "Definiuj punkt mieszania");
  AddCommand(add_point, "Definiujpunktchodzenia4", "Definiuj punkt chłodzenia");
  AddCommand(chart_menu_, "DodajPrzemian1", "Dodaj Przemianę...");
  AddCommand(chart_menu_, "Dodajwspczynnikkierunkowy1", "Dodaj współczynnik kierunkowy");
  chart_menu_->addSeparator();
  AddCommand(chart_menu_, "Edytujpunkt2", "Edytuj punkt");
  AddCommand(chart_menu_, "Usupunkt2", "Usuń punkt");
  chart_menu_->addSeparator();
  AddCommand(chart_menu_, "Zapamitajpunktwbibliotece1", "Zapamiętaj punkt w bibliotece");
  AddCommand(chart_menu_, "Wczytajpunktzbiblioteki2", "Wczytaj punkt z biblioteki");
  chart_menu_->addSeparator();
  chart_menu_->addAction(undo_action_);
  chart_menu_->addAction(redo_action_);

  // Pop-up menu of "POBIERZ WYKRES".
  picture_menu_ = new QMenu(this);
  picture_menu_->setObjectName("PopupMenu4");
  AddCommand(picture_menu_, "KOPIUJDOSCHOWKA1", "KOPIUJ DO SCHOWKA");
  AddCommand(picture_menu_, "OTWRZIEDYTUJWPAINT1", "OTWÓRZ I EDYTUJ W PAINT");
}

void MainWindow::BuildToolbars(QWidget* central) {
  top_bar_ = new QWidget(central);
  top_bar_->setObjectName("TopBar");
  QFont bar_font = top_bar_->font();
  bar_font.setPixelSize(11);
  top_bar_->setFont(bar_font);
  auto* row = new QHBoxLayout(top_bar_);
  row->setContentsMargins(0, 0, 0, 0);
  row->setSpacing(3);

  auto group = [&](const QString& name, const QString& title) {
    auto* g = new QGroupBox(title, top_bar_);
    g->setObjectName(name);
    auto* l = new QHBoxLayout(g);
    l->setContentsMargins(3, 1, 3, 1);
    l->setSpacing(1);
    row->addWidget(g);
    return g;
  };

  calculators_bar_ = group("GroupBox1", "Kalkulatory");
  for (auto [name, text, command] :
       {std::tuple{"BitBtn2", "K.S.C.", "Kalkulatorstratcinienia1"},
        std::tuple{"BitBtn3", "K.B.P.", "Kalkulatorbilansupowietrza1"},
        std::tuple{"BitBtn4", "K.E.R.", "Kalkulatorelementwregulacyjnych1"},
        std::tuple{"BitBtn5", "K.C.W.", "Kalkulatorcentralwentylacyjnych1"},
        std::tuple{"BitBtn6", "K.H.B.", "KalkulatorbasenwVDI20892"},
        std::tuple{"BitBtn10", "K.O.A", "Kalkulatorakustyczny1"}})
    calculators_bar_->layout()->addWidget(ToolButton(calculators_bar_, name, text, commands_.value(command)));

  balance_bar_ = group("GroupBox2", "");
  for (auto [name, text, command] : {std::tuple{"BitBtn7", "Z.C.W", "Zyskiciepaodpowierzchniwody1"},
                                     std::tuple{"BitBtn8", "Z.C.L.", "Zyskiciepaodludzi1"},
                                     std::tuple{"BitBtn9", "K.Z.E.", "Kalkulatorzuyciaenergii1"},
                                     std::tuple{"BitBtn11", "K.W.P", "Kalkulatorstratzyskwciepawkanale1"}})
    balance_bar_->layout()->addWidget(ToolButton(balance_bar_, name, text, commands_.value(command)));

  // Points and processes: SpeedButton1 adds a free point like the menu; the
  // others add a point together with its process.
  auto* points = group("GroupBox7", "");
  points->layout()->addWidget(ToolButton(points, "SpeedButton1", "+P", commands_.value("DODAJPUNKTDOWOLNY1")));
  // In the order of their hints: heating, SHR, bypass factor, adiabatic, mixing, water, steam,
  // desiccant, condensing.
  const char* process_buttons[] = {"+H", "-S", "-C", "AC", "MX", "WA", "ST", "DS", "DK"};
  for (int k = 2; k <= 10; ++k) {
    QAction* a = NewCommand(QString("SpeedButton%1Click").arg(k), process_buttons[k - 2]);
    points->layout()->addWidget(ToolButton(points, QString("SpeedButton%1").arg(k), process_buttons[k - 2], a));
  }

  comfort_bar_ = group("GroupBox4", "Pole komfortu");
  comfort_combo_ = new QComboBox(comfort_bar_);
  comfort_combo_->setObjectName("ComboBox1");
  comfort_combo_->addItems({"UKRYJ WSZYSTKIE", "ZGODNIE Z ASHRAE 1997:lato", "ZGODNIE Z ASHRAE 1997:zima",
                     "ZGODNIE Z EN 13779:lato", "ZGODNIE Z EN 13779:zima", "ZGODNIE Z DIN 19461"});
  comfort_combo_->setMinimumWidth(150);
  comfort_combo_->setMaximumWidth(200);
  comfort_bar_->layout()->addWidget(comfort_combo_);

  layout_box_ = group("GroupBox5", "Układ");
  layout_combo_ = new QComboBox(layout_box_);
  layout_combo_->setObjectName("ComboBox2");
  layout_combo_->addItems({"MOLLIER", "CARRIER"});
  layout_combo_->setMaximumWidth(100);
  layout_box_->layout()->addWidget(layout_combo_);

  units_box_ = group("GroupBox6", "System jednostek");
  units_combo_ = new QComboBox(units_box_);
  units_combo_->setObjectName("ComboBox3");
  units_combo_->addItems({"SI", "IMP"});
  units_combo_->setMaximumWidth(80);
  units_box_->layout()->addWidget(units_combo_);

  // The links and the two output buttons stand two by two, so their texts
  // stay whole on a narrow screen.
  auto* links = new QGroupBox(top_bar_);
  links->setObjectName("GroupBox8");
  auto* grid = new QGridLayout(links);
  grid->setContentsMargins(3, 1, 3, 1);
  grid->setSpacing(1);
  row->addWidget(links);
  QAction* knowledge = NewCommand("BitBtn12Click", "Wiedza");
  QAction* videos = NewCommand("BitBtn15Click", "YouTube");
  QAction* chart_menu = NewCommand("BitBtn14Click", "POBIERZ WYKRES");
  QAction* report = NewCommand("BitBtn16Click", "CREATE RAPORT");
  int cell = 0;
  for (QToolButton* b : {ToolButton(links, "BitBtn12", "Wiedza", knowledge),
                         ToolButton(links, "BitBtn15", "YouTube", videos),
                         ToolButton(links, "BitBtn14", "POBIERZ WYKRES", chart_menu),
                         ToolButton(links, "BitBtn16", "CREATE RAPORT", report)}) {
    b->setMinimumHeight(20);
    b->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    grid->addWidget(b, cell / 2, cell % 2);
    ++cell;
  }
  row->addStretch(1);
}

void MainWindow::BuildPointPanel(QWidget* central) {
  point_panel_ = new QGroupBox(central);
  point_panel_->setObjectName("GroupBox3");
  point_panel_->setAutoFillBackground(true);
  point_panel_->setFixedWidth(300);
  QFont small = point_panel_->font();
  small.setPixelSize(11);
  point_panel_->setFont(small);
  auto* col = new QVBoxLayout(point_panel_);
  col->setContentsMargins(5, 3, 5, 5);
  col->setSpacing(3);

  // Drag handle and title.
  auto* head = new QHBoxLayout;
  auto* image3 = NamedLabel(point_panel_, "Image3", QString::fromUtf8("\u2725"));
  image3->setToolTip("Złap i przesuń");
  image3->setCursor(Qt::SizeAllCursor);
  image3->setFixedSize(22, 22);
  image3->setAlignment(Qt::AlignCenter);
  image3->setFrameShape(QFrame::Panel);
  points_title_ = NamedLabel(point_panel_, "Label41", "ZDEFINIOWANE PUNKTY");
  head->addWidget(image3);
  head->addWidget(points_title_, 1);
  col->addLayout(head);

  points_tree_ = new QTreeWidget(point_panel_);
  points_tree_->setObjectName("TreeView1");
  points_tree_->setHeaderHidden(true);
  points_tree_->setToolTip("Lista zdefiniowanych punktów");
  points_tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  points_tree_->setFixedHeight(110);
  points_tree_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(points_tree_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& pos) { point_menu_->popup(points_tree_->viewport()->mapToGlobal(pos)); });
  col->addWidget(points_tree_, 1);

  process_list_button_ = new QPushButton("LISTA PRZEMIAN", point_panel_);
  process_list_button_->setObjectName("Button1");
  coefficient_list_button_ = new QPushButton("LISTA WSP. KIER. PRZEMIAN", point_panel_);
  coefficient_list_button_->setObjectName("Button2");
  BindButton(process_list_button_, commands_.value("Listaprzemian1"));
  BindButton(coefficient_list_button_, commands_.value("Lis1"));
  col->addWidget(process_list_button_);
  col->addWidget(coefficient_list_button_);

  // Readout of the state under the cursor.
  QGridLayout* grid = FramedPanel(point_panel_, "Panel3", &readout_panel_);
  labels_.insert("Label50", NamedLabel(readout_panel_, "Label50", "BIEŻĄCE PARAMETRY POWIETRZA"));
  grid->addWidget(labels_.value("Label50"), 0, 0, 1, 3);
  const char* rows[][3] = {{"Label3", "Label4", "Label6"},   {"Label1", "Label2", "Label7"},
                           {"Label8", "Label10", "Label9"},  {"Label14", "Label16", "Label15"},
                           {"Label11", "Label13", "Label12"}, {"Label21", "Label25", "Label29"},
                           {"Label22", "Label26", "Label30"}, {"Label23", "Label27", "Label32"},
                           {"Label24", "Label28", "Label34"}};
  for (int r = 0; r < 9; ++r) {
    for (int c = 0; c < 3; ++c) {
      QLabel* l = NamedLabel(readout_panel_, rows[r][c], c == 1 ? "0" : "");
      if (c == 1) l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
      if (c == 1) l->setMinimumWidth(70);
      labels_.insert(rows[r][c], l);
      grid->addWidget(l, r + 1, c);
    }
  }
  labels_.value("Label15")->setText("%");
  col->addWidget(readout_panel_);

  // Barometric pressure.
  QGridLayout* pgrid = FramedPanel(point_panel_, "Panel2", &pressure_panel_);
  labels_.insert("Label49", NamedLabel(pressure_panel_, "Label49", "WYKRES MOLLIERA"));
  labels_.insert("Label17", NamedLabel(pressure_panel_, "Label17", "pb ="));
  labels_.insert("Label18", NamedLabel(pressure_panel_, "Label18", "1013"));
  labels_.insert("Label19", NamedLabel(pressure_panel_, "Label19", "hPa"));
  labels_.insert("Label38", NamedLabel(pressure_panel_, "Label38", ""));
  labels_.value("Label49")->setStyleSheet("font-weight: bold");
  pressure_spin_ = new QSpinBox(pressure_panel_);
  pressure_spin_->setObjectName("UpDown1");
  pressure_spin_->setRange(800, 1200);
  pressure_spin_->setSingleStep(1);
  pressure_spin_->setValue(1013);
  pressure_spin_->setKeyboardTracking(false);
  pressure_spin_->setSuffix(" hPa");
  pgrid->addWidget(labels_.value("Label49"), 0, 0, 1, 4);
  pgrid->addWidget(labels_.value("Label17"), 1, 0);
  pgrid->addWidget(labels_.value("Label18"), 1, 1);
  pgrid->addWidget(labels_.value("Label19"), 1, 2);
  pgrid->addWidget(pressure_spin_, 1, 3);
  pgrid->addWidget(labels_.value("Label38"), 2, 0, 1, 4);
  col->addWidget(pressure_panel_);

  // Legend.
  QGridLayout* lgrid = FramedPanel(point_panel_, "Panel1", &legend_panel_);
  labels_.insert("Label48", NamedLabel(legend_panel_, "Label48", "LEGENDA:"));
  lgrid->addWidget(labels_.value("Label48"), 0, 0, 1, 2);
  const char* legend[][2] = {{"Label47", "Label46"}, {"Label45", "Label44"}, {"Label43", "Label42"}};
  const char* legend_text[] = {"wilgotność względna [%]", "gęstość [kg/m3]", "entalpia [kJ/kg]"};
  for (int r = 0; r < 3; ++r) {
    QLabel* sample = NamedLabel(legend_panel_, legend[r][0], "");
    sample->setFixedSize(24, 4);
    QLabel* caption = NamedLabel(legend_panel_, legend[r][1], legend_text[r]);
    labels_.insert(legend[r][0], sample);
    labels_.insert(legend[r][1], caption);
    lgrid->addWidget(sample, r + 1, 0, Qt::AlignVCenter);
    lgrid->addWidget(caption, r + 1, 1);
  }
  col->addWidget(legend_panel_);

  close_button_ = new QPushButton("      ZAMKNIJ", point_panel_);
  close_button_->setObjectName("BitBtn1");
  col->addWidget(close_button_);

  // The point panel's own pop-up menu offers the point commands as well.
  point_panel_->setContextMenuPolicy(Qt::ActionsContextMenu);
  point_panel_->addAction(NewCommand("Dodajpunkt3", "Dodaj punkt dowolny"));
  point_panel_->addAction(NewCommand("Definiujpunktmieszania3", "Definiuj punkt mieszania"));
  point_panel_->addAction(NewCommand("Definiujpunktchodzenia3", "Definiuj punkt chłodzenia"));

  logo_label_ = new QLabel(central);
  logo_label_->setObjectName("Image2");
  logo_label_->setCursor(Qt::PointingHandCursor);
  logo_ = DefaultLogo();
  logo_label_->setPixmap(logo_);
  logo_label_->adjustSize();
  logo_label_->installEventFilter(this);
}

void MainWindow::BuildZoomButtons(QWidget* central) {
  const char* names[] = {"Button4", "Button5", "Button6", "Button7", "Button8", "Button9"};
  const char* texts[] = {"T+", "T-", "X+", "X -", "T+", "T-"};
  for (int k = 0; k < 6; ++k) {
    auto* b = new QPushButton(texts[k], central);
    b->setObjectName(names[k]);
    b->setFixedSize(40, 18);
    b->setFocusPolicy(Qt::NoFocus);
    zoom_buttons_[k] = b;
  }
}

}  // namespace orvanta
