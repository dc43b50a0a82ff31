#pragma once
// Which of the seven node images a menu tree node shows.

namespace pandor {

enum NodeImage : int {
  kImageFolderClosed = 0,
  kImageDocument = 1,
  kImageMinus = 2,
  kImageFolderOpen = 3,
  kImagePlus = 4,
  kImageFloppy = 5,
  kImageCdRom = 6,
  kNodeImageCount = 7,
};

// Chosen afresh each time a node is drawn: groups show a closed or open
// folder; programs the picture of the icon style (1 document, 2 floppy, 3 CD);
// with any other style a program keeps the image it has (a new node: 0).
int ChooseNodeImage(bool isGroup, bool expanded, int iconStyle, int currentImage);

}  // namespace pandor
