// Icon files (.ico): the image nearest the system's icon size (see
// menu/pictures/icon_directory.h) is made into an icon and shown at that
// size; every fault is "Ungültiges Symbol".

#include <windows.h>

#include "menu/pictures/icon_directory.h"
#include "platform/handle.h"
#include "platform/picture_formats.h"

namespace pandor {
namespace {

constexpr DWORD kIconFormatVersion = 0x00030000;

class IconPicture : public Picture {
 public:
  IconPicture(IconHandle icon, SIZE size) : icon_(std::move(icon)), size_(size) {}
  SIZE Size() const override { return size_; }
  bool IsIcon() const override { return true; }
  void Draw(HDC dc, const RECT& area) override {
    DrawIconEx(dc, area.left, area.top, icon_.get(), size_.cx, size_.cy, 0, nullptr, DI_NORMAL);
  }

 private:
  IconHandle icon_;
  SIZE size_;
};

}  // namespace

std::unique_ptr<Picture> LoadIconPicture(const std::string& file) {
  // Whatever sizes the file holds, the icon is shown at the system's size.
  const SIZE size{GetSystemMetrics(SM_CXICON), GetSystemMetrics(SM_CYICON)};
  const IconImage image = ChooseIconImage(file, size.cx, size.cy);
  // The icon is made from a copy: the call takes a pointer it may write through.
  std::string bits(file, image.offset, image.size);
  IconHandle icon(CreateIconFromResourceEx(reinterpret_cast<BYTE*>(bits.data()), static_cast<DWORD>(bits.size()), TRUE,
                                           kIconFormatVersion, size.cx, size.cy, LR_DEFAULTCOLOR));
  if (!icon) throw InvalidIconError();
  return std::make_unique<IconPicture>(std::move(icon), size);
}

}  // namespace pandor
