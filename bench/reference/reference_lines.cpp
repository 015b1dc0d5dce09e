// The floor for a line-by-line converter: getline, then one write and one flush per line.
//   reference_lines copy SOURCE OUTPUT     copies every line to OUTPUT
//   reference_lines exclude SOURCE OUTPUT  for each VUQ_Exclude(text) line: a console line,
//                                          text to OUTPUT, another console line; each flushed
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::cerr << "usage: reference_lines copy|exclude SOURCE OUTPUT\n";
    return 2;
  }
  const std::string mode = argv[1];
  std::ifstream source(argv[2]);
  std::ofstream output(argv[3]);
  std::string line;
  while (std::getline(source, line)) {
    if (mode == "copy") {
      output << line << '\n' << std::flush;
      continue;
    }
    std::cout << "Found Command: VUQ_Exclude\n" << std::flush;
    std::size_t open = line.find('(');
    std::size_t close = line.rfind(')');
    std::string text = line.substr(open + 1, close - open - 1);
    output << text << '\n' << std::flush;
    std::cout << "VUQ_Exclude: " << text << '\n' << std::flush;
  }
  return 0;
}
