// morwick-fix: repairs a captured call read from standard input or a file and
// writes the result to standard output, as the desktop app would leave it on
// the clipboard.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "engine/pipeline.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

constexpr int kExitStopped = 1;    // a stop message was answered with Ignore
constexpr int kExitUnchanged = 2;  // the input came back as it was, see stderr
constexpr int kExitUsage = 64;
constexpr int kExitNoInput = 66;

constexpr std::string_view kUsage =
    "usage: morwick-fix [--trace] [FILE]\n"
    "Repairs a parameterised call copied from a driver log or server trace\n"
    "and writes the plain statement to standard output.\n"
    "\n"
    "  FILE       read from FILE instead of standard input (- for standard input)\n"
    "  --trace    write the layout's debug lines to standard error\n"
    "  --help     show this help\n"
    "  --version  show the version\n"
    "\n"
    "Exit status: 0 repaired, 1 a parameter was missing (the repair went on),\n"
    "2 the input was written back unchanged (see standard error), 64 usage error,\n"
    "66 FILE could not be read.\n";

void Write(std::FILE* to, std::string_view text) {
  if (!text.empty()) std::fwrite(text.data(), 1, text.size(), to);
}

class FilterHost : public morwick::RepairHost {
 public:
  explicit FilterHost(bool trace) : trace_(trace) {}

  void ShowMessage(std::string_view text) override {
    Write(stderr, text);
    Write(stderr, "\n");
  }

  // There is nobody to ask: a filter answers Ignore and says so in its exit
  // status, so a script never mistakes the result for a complete repair.
  void Stop(std::string_view text) override {
    stopped_ = true;
    Write(stderr, text);
    Write(stderr, "\n");
  }

  void DebugOutput(std::string_view line) override {
    if (!trace_) return;
    Write(stderr, line);
    if (line.empty() || line.back() != '\n') Write(stderr, "\n");
  }

  bool Stopped() const { return stopped_; }

 private:
  bool trace_;
  bool stopped_ = false;
};

bool ReadAll(std::FILE* from, std::string& into) {
  char chunk[1 << 16];
  std::size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, from)) > 0) into.append(chunk, got);
  return !std::ferror(from);
}

}  // namespace

int main(int argc, char** argv) {
#ifdef _WIN32
  // The bytes go through as they are: no CR LF translation either way.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
#endif
  bool trace = false;
  const char* path = nullptr;
  bool optionsDone = false;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (!optionsDone && arg == "--") {
      optionsDone = true;
    } else if (!optionsDone && arg == "--help") {
      Write(stdout, kUsage);
      return 0;
    } else if (!optionsDone && arg == "--version") {
      Write(stdout, "morwick-fix 2.1.0\n");
      return 0;
    } else if (!optionsDone && arg == "--trace") {
      trace = true;
    } else if (!optionsDone && arg.size() > 1 && arg[0] == '-') {
      Write(stderr, "morwick-fix: unknown option '");
      Write(stderr, arg);
      Write(stderr, "'\n");
      Write(stderr, kUsage);
      return kExitUsage;
    } else if (path == nullptr) {
      path = argv[i];
    } else {
      Write(stderr, "morwick-fix: only one FILE may be given\n");
      Write(stderr, kUsage);
      return kExitUsage;
    }
  }

  std::string input;
  if (path == nullptr || std::string_view(path) == "-") {
    if (!ReadAll(stdin, input)) {
      Write(stderr, "morwick-fix: cannot read standard input\n");
      return kExitNoInput;
    }
  } else {
    std::FILE* file = std::fopen(path, "rb");
    const bool ok = file != nullptr && ReadAll(file, input);
    const int error = errno;
    if (file != nullptr) std::fclose(file);
    if (!ok) {
      Write(stderr, "morwick-fix: cannot read '");
      Write(stderr, path);
      Write(stderr, "': ");
      Write(stderr, std::strerror(error));
      Write(stderr, "\n");
      return kExitNoInput;
    }
  }

  // An editor that pipes text through this filter replaces it with what comes
  // out, so a text that cannot be repaired whole comes out unchanged.
  if (!morwick::FitsBuffer(input)) {
    Write(stdout, input);
    Write(stderr, "morwick-fix: the input holds more than 15000 characters; it was left unchanged.\n");
    return kExitUnchanged;
  }

  FilterHost host(trace);
  auto work = std::make_unique<morwick::RepairWork>(host);
  (void)work->ClipIn.Store(input);  // fits: checked above
  morwick::RepairSql(*work);

  if (work->TextCut) {
    Write(stdout, input);
    Write(stderr, "morwick-fix: the repaired text is longer than 15000 characters; the input was left unchanged.\n");
    return kExitUnchanged;
  }
  Write(stdout, work->ClipOut.Text());
  return host.Stopped() ? kExitStopped : 0;
}
