#include "editor/system_colours.h"

namespace pandor {

const SystemColour kSystemColours[] = {
    {0, "Bildlaufleiste"},
    {1, "Desktop"},
    {2, "Aktive Titelleiste"},
    {3, "Inaktive Titelleiste"},
    {4, "Menü"},
    {5, "Fensterhintergrund"},
    {6, "Fensterrahmen"},
    {7, "Menütext"},
    {8, "Fenstertext"},
    {9, "Text der Titelleiste"},
    {10, "Aktiver Rahmen"},
    {11, "Inaktiver Rahmen"},
    {12, "Anwendungshintergrund"},
    {13, "Markierung"},
    {14, "Markierter Text"},
    {15, "Schaltflächenfläche"},
    {16, "Schaltflächenschatten"},
    {17, "Grauer Text"},
    {18, "Schaltflächentext"},
    {19, "Text der inaktiven Titelleiste"},
    {20, "Schaltflächenlicht"},
    {21, "Dunkler 3D-Schatten"},
    {22, "Helles 3D-Licht"},
    {23, "Text der QuickInfo"},
    {24, "Hintergrund der QuickInfo"},
    {26, "Link"},
    {27, "Verlauf der aktiven Titelleiste"},
    {28, "Verlauf der inaktiven Titelleiste"},
    {29, "Markierung im Menü"},
    {30, "Menüleiste"},
};
const size_t kSystemColourCount = sizeof kSystemColours / sizeof kSystemColours[0];

std::optional<size_t> SystemColourEntry(IntegerColour colour) {
  if (!colour.IsSystemColour()) return std::nullopt;
  for (size_t i = 0; i < kSystemColourCount; ++i) {
    if (kSystemColours[i].index == colour.SystemColourIndex()) return i;
  }
  return std::nullopt;
}

}  // namespace pandor
