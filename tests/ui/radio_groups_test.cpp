// Radio buttons without a button group are exclusive with every radio button
// below their parent, also inside nested boxes. A window whose choices sit
// at different depths under one parent would clear one choice when another
// is made; each such choice needs a group of its own.
#include <gtest/gtest.h>

#include <QDialog>
#include <QRadioButton>

#include "app/settings_store.h"
#include "app/ui/main_window.h"

namespace orvanta {
namespace {

TEST(RadioGroups, NoChoiceSharesItsExclusivityWithANestedOne) {
  MainWindow window(std::make_unique<MemoryStore>());
  QList<QWidget*> windows{&window};
  for (QDialog* d : window.findChildren<QDialog*>()) windows << d;
  int checked = 0;
  for (QWidget* w : windows) {
    for (QRadioButton* r : w->findChildren<QRadioButton*>()) {
      if (r->group() || !r->autoExclusive() || !r->parentWidget()) continue;
      ++checked;
      for (QRadioButton* other : r->parentWidget()->findChildren<QRadioButton*>()) {
        if (other->group() || !other->autoExclusive() || other->parentWidget() == r->parentWidget()) continue;
        ADD_FAILURE() << w->objectName().toStdString() << ": " << r->objectName().toStdString() << " and "
                      << other->objectName().toStdString() << " would clear each other";
      }
    }
  }
  EXPECT_GT(checked, 20);
}

}  // namespace
}  // namespace orvanta
