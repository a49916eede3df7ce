#include "ui/support/test_workbench.h"

#include <memory>

namespace orvanta::test {

TestWorkbench::TestWorkbench() { window_.setObjectName("TestWorkbench"); }

QAction* TestWorkbench::AddAction(const QString& object_name) {
  auto* a = new QAction(object_name, &window_);
  a->setObjectName(object_name);
  a->setEnabled(false);
  actions_.insert(object_name, a);
  return a;
}

void TestWorkbench::RequestFullRedraw() {
  ++redraw_requests_;
  emit events_.redrawn();
}

int TestWorkbench::Register(CommandId id, const QStringList& object_names, std::function<void()> handler) {
  auto shared = std::make_shared<std::function<void()>>(std::move(handler));
  handlers_[std::string(id.name)] = [shared] { (*shared)(); };
  int bound = 0;
  for (const QString& name : object_names) {
    QAction* a = actions_.value(name);
    if (!a) continue;
    QObject::connect(a, &QAction::triggered, a, [shared] { (*shared)(); });
    a->setEnabled(true);
    connected_[name] = true;
    ++bound;
  }
  return bound;
}

bool TestWorkbench::Run(CommandId id) {
  const auto it = handlers_.find(std::string(id.name));
  if (it == handlers_.end()) return false;
  it->second();
  return true;
}

}  // namespace orvanta::test
