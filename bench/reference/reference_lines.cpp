// The least a line-by-line converter can do: read the source in large blocks and hand every
// line, with its line feed, to write(2) on its own. POSIX only; a yardstick, not the program.
//   reference_lines copy SOURCE OUTPUT     copies every line to OUTPUT
//   reference_lines exclude SOURCE OUTPUT  every line is VUQ_Exclude(text): a console line,
//                                          the text to OUTPUT, another console line
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

bool put(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t written = ::write(descriptor, bytes.data(), bytes.size());
    if (written <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// One VUQ_Exclude line, without its line feed: three writes, as the converter makes.
bool exclude(int output, std::string_view line, std::string& console) {
  const std::size_t open = line.find('(');
  const std::size_t close = line.rfind(')');
  if (open == std::string_view::npos || close == std::string_view::npos || close <= open) {
    return false;
  }
  const std::string_view text = line.substr(open + 1, close - open - 1);
  if (!put(1, "Found Command: VUQ_Exclude\n")) return false;
  console.assign(text);
  console.push_back('\n');
  if (!put(output, console)) return false;
  console.insert(0, "VUQ_Exclude: ");
  return put(1, console);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) return 2;
  const bool excluding = std::strcmp(argv[1], "exclude") == 0;
  const int source = ::open(argv[2], O_RDONLY);
  const int output = ::open(argv[3], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (source < 0 || output < 0) return 1;
  std::vector<char> buffer(std::size_t{128} * 1024);
  std::size_t kept = 0;
  std::string console;
  for (;;) {
    if (kept == buffer.size()) buffer.resize(buffer.size() * 2);
    const ssize_t count = ::read(source, buffer.data() + kept, buffer.size() - kept);
    if (count < 0) return 1;
    if (count == 0) break;
    const char* start = buffer.data();
    const char* end = buffer.data() + kept + static_cast<std::size_t>(count);
    while (const auto* feed = static_cast<const char*>(
               std::memchr(start, '\n', static_cast<std::size_t>(end - start)))) {
      const std::string_view line(start, static_cast<std::size_t>(feed - start));
      const bool done = excluding ? exclude(output, line, console)
                                  : put(output, std::string_view(start, line.size() + 1));
      if (!done) return 1;
      start = feed + 1;
    }
    kept = static_cast<std::size_t>(end - start);
    std::memmove(buffer.data(), start, kept);
  }
  return ::close(output) == 0 ? 0 : 1;
}
