// The least the photo directives can do: each line formatted into one buffer and handed to
// write(2) on its own. POSIX only; a yardstick, not the program.
//   reference_photos list TOTAL PER_ROW OUTPUT    2 lines a picture
//   reference_photos table TOTAL PER_ROW OUTPUT   the table: 4 lines a picture, 2 a row, 2 more
// The lines are those of VUQ_Foto_Link(photo$.html, img/$.jpg, thumb, PER_ROW, TOTAL) and
// VUQ_Link_Foto_Tab(photo$.html, img/$.jpg, gallery, thumb, PER_ROW, TOTAL) at column 0.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int output = -1;
char line[4096];

void put(int length) {
  const char* at = line;
  while (length > 0) {
    const ssize_t written = ::write(output, at, static_cast<std::size_t>(length));
    if (written <= 0) std::exit(1);
    at += written;
    length -= static_cast<int>(written);
  }
}

void picture(long number, int indent) {
  put(std::snprintf(line, sizeof line, "%*s<a href=\"photo%ld.html\">\n", indent, "", number));
  put(std::snprintf(line, sizeof line, "%*s<img class=\"thumb\" src=\"img/%ld.jpg\"></a>\n",
                    indent + 8, "", number));
}

void fixed(const char* text) { put(std::snprintf(line, sizeof line, "%s", text)); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) return 2;
  const long total = std::atol(argv[2]);
  const long per_row = std::atol(argv[3]);
  output = ::open(argv[4], O_WRONLY | O_CREAT | O_TRUNC, 0666);
  if (output < 0 || per_row < 1) return 1;
  if (std::strcmp(argv[1], "list") == 0) {
    for (long number = 1; number <= total; ++number) picture(number, 0);
    return ::close(output) == 0 ? 0 : 1;
  }
  fixed("<table class=\"gallery\">\n");
  for (long number = 1; number <= total;) {
    fixed("        <tr>\n");
    for (long cell = 0; cell < per_row && number <= total; ++cell, ++number) {
      fixed("                <td>\n");
      picture(number, 24);
      fixed("                </td>\n");
    }
    fixed("        </tr>\n");
  }
  fixed("</table>\n");
  return ::close(output) == 0 ? 0 : 1;
}
