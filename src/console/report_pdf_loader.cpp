// writeReportPdf for the console: the PDF writer, and Qt with it, is loaded when the first PDF
// is asked for, from beside the installed programs or else from where the build put it.
#include <dlfcn.h>

#include <filesystem>
#include <vector>

#include "state/chain_error.h"
#include "ui/report_pdf.h"

namespace chainadj {
namespace {

struct LoadedEntry {
  PdfModuleEntry entry = nullptr;
  std::string failure;  // what the loader said of each place tried, "；" between them
};

std::vector<std::filesystem::path> modulePlaces() {
  std::vector<std::filesystem::path> places;
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) {
    const std::filesystem::path installed =
        program.parent_path() / CHAINADJ_PDF_MODULE_FROM_BINDIR / kPdfModuleFile;
    places.push_back(installed.lexically_normal());
  }
  places.emplace_back(CHAINADJ_PDF_MODULE_BUILT);
  return places;
}

LoadedEntry loadEntry() {
  LoadedEntry loaded;
  for (const std::filesystem::path& place : modulePlaces()) {
    // The module is kept loaded: Qt is not made to be unloaded.
    void* module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
    void* entry = module != nullptr ? dlsym(module, kPdfModuleEntry) : nullptr;
    if (entry != nullptr) {
      loaded.entry = reinterpret_cast<PdfModuleEntry>(entry);
      return loaded;
    }
    const char* failure = dlerror();
    if (!loaded.failure.empty()) loaded.failure += "；";
    loaded.failure += failure != nullptr ? failure : place.string();
  }
  return loaded;
}

}  // namespace

void writeReportPdf(const RunReport& report, const std::string& path) {
  static const LoadedEntry loaded = loadEntry();
  if (loaded.entry == nullptr) {
    throw ChainError("不能载入写 PDF 的模块（" + loaded.failure + "），PDF 成果报告 “" + path +
                     "” 没有写。请用 --report 写文本报告。");
  }
  std::string failure;
  if (!loaded.entry(report, path, failure)) {
    throw ChainError(failure.empty() ? "不能写入 PDF 成果报告 “" + path + "”。" : failure);
  }
}

}  // namespace chainadj
