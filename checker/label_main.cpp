// pandor7-label: the medium's label as each format takes it, for
// scripts/make-medium.sh (menu/medium_label.h holds the rules). Labels and
// what it prints are UTF-8. Exit status: 0 done, 2 wrong call or file not written.
//
//   pandor7-label iso-volume-id LABEL
//   pandor7-label joliet-volume-id LABEL
//   pandor7-label write-autorun-inf LABEL FILE
#include <cstdio>
#include <fstream>
#include <string>

#include "menu/medium_label.h"

namespace {

constexpr char kUsage[] =
    "Aufruf: pandor7-label iso-volume-id BEZEICHNUNG\n"
    "        pandor7-label joliet-volume-id BEZEICHNUNG\n"
    "        pandor7-label write-autorun-inf BEZEICHNUNG DATEI\n";

int PrintLine(const std::string& text) {
  std::printf("%s\n", text.c_str());
  return 0;
}

int WriteFile(const char* path, const std::string& bytes) {
  std::ofstream file(path, std::ios::binary);
  if (file << bytes && file.flush()) return 0;
  std::fprintf(stderr, "pandor7-label: %s lässt sich nicht schreiben\n", path);
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "iso-volume-id" && argc == 3) return PrintLine(pandor::IsoVolumeId(argv[2]));
  if (command == "joliet-volume-id" && argc == 3) return PrintLine(pandor::JolietVolumeId(argv[2]));
  if (command == "write-autorun-inf" && argc == 4) return WriteFile(argv[3], pandor::AutorunInf(argv[2]));
  std::fputs(kUsage, stderr);
  return 2;
}
