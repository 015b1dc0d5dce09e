// The floor for the photo directives: the same lines as the converter writes, each formatted
// with snprintf and written with one flush.
//   reference_photos list|table TOTAL PER_ROW OUTPUT
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

namespace {

void put(std::ofstream& output, const char* text, int length) {
  output.write(text, length);
  output.flush();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: reference_photos list|table TOTAL PER_ROW OUTPUT\n";
    return 2;
  }
  const std::string mode = argv[1];
  const int total = std::atoi(argv[2]);
  const int per_row = std::atoi(argv[3]);
  std::ofstream output(argv[4]);
  char line[256];
  const bool table = mode == "table";
  const int anchor = table ? 24 : 0;
  if (table) put(output, "<table class=\"gallery\">\n", 24);
  for (int number = 1; number <= total; ++number) {
    if (table && number % per_row == 1) put(output, "        <tr>\n", 13);
    if (table) put(output, "                <td>\n", 21);
    put(output, line,
        std::snprintf(line, sizeof line, "%*s<a href=\"photo%d.html\">\n", anchor, "", number));
    put(output, line,
        std::snprintf(line, sizeof line, "%*s<img class=\"thumb\" src=\"img/%d.jpg\"></a>\n",
                      anchor + 8, "", number));
    if (table) put(output, "                </td>\n", 22);
    if (table && (number % per_row == 0 || number == total)) put(output, "        </tr>\n", 14);
  }
  if (table) put(output, "</table>\n", 9);
  return 0;
}
