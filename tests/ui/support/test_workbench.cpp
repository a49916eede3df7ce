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
  return Register(id, object_names, [handler = std::move(handler)](const std::any&) { handler(); });
}

int TestWorkbench::Register(CommandId id, const QStringList& object_names,
                            std::function<void(const std::any&)> handler) {
  auto shared = std::make_shared<std::function<void(const std::any&)>>(std::move(handler));
  handlers_[std::string(id.name)] = [shared](const std::any& payload) { (*shared)(payload); };
  int bound = 0;
  for (const QString& name : object_names) {
    QAction* a = actions_.value(name);
    if (!a) continue;
    QObject::connect(a, &QAction::triggered, a, [shared] { (*shared)(std::any{}); });
    a->setEnabled(true);
    connected_[name] = true;
    ++bound;
  }
  return bound;
}

bool TestWorkbench::Run(CommandId id) { return Run(id, std::any{}); }

bool TestWorkbench::Run(CommandId id, const std::any& payload) {
  const auto it = handlers_.find(std::string(id.name));
  if (it == handlers_.end()) return false;
  it->second(payload);
  return true;
}

}  // namespace orvanta::test
