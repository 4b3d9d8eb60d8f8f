#include "resources/Resources.h"

std::span<const std::span<const pf::DialogTemplate>> DialogTables() {
  static const std::span<const pf::DialogTemplate> tables[] = {
      BasicsDialogs(), DiagramDialogs(), EditorDialogs(), ElementDialogs(),
      InstrumentDialogs(), SynthesisDialogs(), SpiceModelDialogs(), LineDialogs(),
      SlotDialogs(), CalculatorDialogs(), MeterDialogs(), SpiceDialogs(), SourceDialogs(),
      ScopeDialogs()};
  return tables;
}

void RegisterResources() {
  for (const auto table : DialogTables()) pf::DialogTemplates::Instance().Register(table);
  const FrameResources frame = GetFrameResources();
  pf::ResourceTable<pf::MenuTemplate>::Instance().Register(frame.menus);
  pf::ResourceTable<pf::AcceleratorTemplate>::Instance().Register(frame.accelerators);
  pf::ResourceTable<pf::StringTemplate>::Instance().Register(frame.strings);
  pf::ResourceTable<pf::PixelMapTemplate>::Instance().Register(frame.pictures);
  pf::ResourceTable<pf::ToolBarTemplate>::Instance().Register(frame.toolBars);
}
