#include "wx_clipboard.h"

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "convert.h"

namespace pf {
namespace {

// Open while it lives; the other program's content is read with the toolkit's main loop.
class OpenClipboard {
 public:
  OpenClipboard() : open_(wxTheClipboard->Open()) {}
  ~OpenClipboard() {
    if (open_) wxTheClipboard->Close();
  }
  explicit operator bool() const { return open_; }

 private:
  bool open_;
};

bool Put(wxDataObject* data) {
  OpenClipboard clipboard;
  if (!clipboard) {
    delete data;
    return false;
  }
  return wxTheClipboard->SetData(data);
}

}  // namespace

bool WxClipboard::SetText(std::string bytes) {
  // Text that is no UTF-8 comes from the program's Latin-1 files.
  wxString text = ToWx(bytes);
  if (text.empty() && !bytes.empty()) text = wxString::From8BitData(bytes.data(), bytes.size());
  return Put(new wxTextDataObject(text));
}

bool WxClipboard::SetBitmap(const Bitmap& bitmap) {
  if (bitmap.IsEmpty()) return false;
  return Put(new wxBitmapDataObject(wxBitmap(ToWxImage(bitmap))));
}

std::optional<std::string> WxClipboard::GetText() const {
  OpenClipboard clipboard;
  if (!clipboard || !wxTheClipboard->IsSupported(wxDF_UNICODETEXT)) return std::nullopt;
  wxTextDataObject data;
  if (!wxTheClipboard->GetData(data)) return std::nullopt;
  return FromWx(data.GetText());
}

std::optional<Bitmap> WxClipboard::GetBitmap() const {
  OpenClipboard clipboard;
  if (!clipboard || !wxTheClipboard->IsSupported(wxDF_BITMAP)) return std::nullopt;
  wxBitmapDataObject data;
  if (!wxTheClipboard->GetData(data) || !data.GetBitmap().IsOk()) return std::nullopt;
  const wxImage image = data.GetBitmap().ConvertToImage();
  Bitmap bitmap(image.GetWidth(), image.GetHeight());
  if (bitmap.IsEmpty()) return std::nullopt;
  for (int y = 0; y < image.GetHeight(); ++y) {
    for (int x = 0; x < image.GetWidth(); ++x) {
      bitmap.SetPixel(x, y, Rgb(image.GetRed(x, y), image.GetGreen(x, y), image.GetBlue(x, y)));
    }
  }
  return bitmap;
}

void WxClipboard::Empty() {
  OpenClipboard clipboard;
  if (clipboard) wxTheClipboard->Clear();
}

}  // namespace pf
