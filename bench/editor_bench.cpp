// The fluid editor opened on a database of 100,000 fluids and saved, on the
// headless dialog manager: file order sorted, shuffled and reversed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "dialog/program_resources.hpp"
#include "fluids/fluid_database.hpp"
#include "fluids/fluid_editor.hpp"
#include "fluids/fluid_names.hpp"
#include "platform/headless/headless_dialog.hpp"
#include "platform/headless/headless_host.hpp"
#include "resources/resource_ids.h"

namespace quelrin {
namespace {

constexpr int FLUID_COUNT = 100000;

enum FileOrder { SORTED, SHUFFLED, REVERSED };

std::string generated_database(FileOrder order) {
  FluidTable table(FLUID_COUNT);
  for (int i = 0; i < FLUID_COUNT; ++i) {
    FluidRecord& fluid = table[static_cast<std::size_t>(i)];
    const double x = 1.0 + i / 7919.0;
    fluid.name = "Fluido-" + std::to_string(i);
    fluid.kind = KIND_ANTOINE;
    fluid.constants = {4.5 * x, 1175.581 * x, -2.5e-3 * x, 0.0};
    fluid.pc_bar = 33.9961 * x;
    fluid.tc_k = 126.2 * x;
    fluid.acentric_factor = 0.0372 * x;
  }
  sort_as_listed(table);
  if (order == SHUFFLED) std::shuffle(table.begin(), table.end(), std::mt19937(7));
  if (order == REVERSED) std::reverse(table.begin(), table.end());
  return format_fluid_database(table);
}

// Presses "Salvar", then "Sair".
class SaveAndLeave : public HeadlessUser {
 public:
  void act(HeadlessDialog& top) override {
    top.click(saved_++ == 0 ? IDC_EDITOR_SAVE : IDC_EDITOR_EXIT);
  }
  bool answer(const Message&) override { std::abort(); }

 private:
  int saved_ = 0;
};

class NoObserver : public HeadlessObserver {
 public:
  void message_shown(const Message&) override { std::abort(); }
  void question_asked(const Message&, bool) override { std::abort(); }
  void document_opened(std::string_view) override {}
};

void BM_EditorOpenAndSave(benchmark::State& state) {
  const auto folder =
      std::filesystem::temp_directory_path() / ("quelrin-bench-" + std::to_string(::getpid()));
  std::filesystem::create_directories(folder);
  const auto previous = std::filesystem::current_path();
  std::filesystem::current_path(folder);
  const std::string text = generated_database(static_cast<FileOrder>(state.range(0)));
  for (auto _ : state) {
    state.PauseTiming();
    std::ofstream("dados.txt", std::ios::binary) << text;
    state.ResumeTiming();
    SaveAndLeave user;
    NoObserver observer;
    HeadlessHost host(program_resources().script, user, observer);
    FluidEditor editor;
    benchmark::DoNotOptimize(host.run_dialog(IDD_EDITOR, editor));
  }
  std::filesystem::current_path(previous);
  std::filesystem::remove_all(folder);
}
BENCHMARK(BM_EditorOpenAndSave)
    ->Arg(SORTED)
    ->Arg(SHUFFLED)
    ->Arg(REVERSED)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quelrin
