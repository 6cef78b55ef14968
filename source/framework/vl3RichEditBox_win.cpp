// The 2.0 rich edit control: riched20.dll is loaded on first use, and text
// goes in through EM_STREAMIN so that rich text is interpreted.
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "vl3Platform.h"
#include "vl3RichEditBox_win.h"

namespace {

struct TStreamSource {
  const std::string* data;
  size_t offset;
};

DWORD CALLBACK ReadStream(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* read) {
  auto* source = reinterpret_cast<TStreamSource*>(cookie);
  const size_t left = source->data->size() - source->offset;
  const size_t count = std::min(left, static_cast<size_t>(std::max<LONG>(size, 0)));
  std::memcpy(buffer, source->data->data() + source->offset, count);
  source->offset += count;
  *read = static_cast<LONG>(count);
  return 0;
}

}  // namespace

TRichEdit::TRichEdit(TComponent* owner, TParentWindow* parent)
    : TRichEdit(owner, parent, "RichEdit20A") {}

TRichEdit::TRichEdit(TComponent* owner, TParentWindow* parent, const char* className)
    : TControl(owner, parent) {
  static const HMODULE library = ::LoadLibraryA("riched20.dll");
  (void)library;
  CreateHandle(className,
               ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | WS_TABSTOP,
               WS_EX_CLIENTEDGE);
  if (handle_) ::SendMessageA(handle_, EM_SETEVENTMASK, 0, ENM_CHANGE);
}

bool TRichEdit::LoadFromFile(const std::string& fileName) {
  std::string data;
  if (!Platform::ReadWholeFile(fileName, data)) return false;
  return LoadFromText(data);
}

bool TRichEdit::LoadFromText(const std::string& data) {
  if (!handle_) return false;
  TStreamSource source{&data, 0};
  EDITSTREAM stream = {};
  stream.dwCookie = reinterpret_cast<DWORD_PTR>(&source);
  stream.pfnCallback = ReadStream;
  const bool rtf = data.compare(0, 5, "{\\rtf") == 0;
  ::SendMessageA(handle_, EM_STREAMIN, rtf ? SF_RTF : SF_TEXT, reinterpret_cast<LPARAM>(&stream));
  return stream.dwError == 0;
}

void TRichEdit::SetReadOnly(bool value) {
  if (handle_) ::SendMessageA(handle_, EM_SETREADONLY, value, 0);
}

void TRichEdit::SetHideSelection(bool value) {
  if (handle_)
    ::SendMessageA(handle_, EM_SETOPTIONS, value ? ECOOP_AND : ECOOP_OR,
                   value ? ~static_cast<LPARAM>(ECO_NOHIDESEL) : ECO_NOHIDESEL);
}

int32_t TRichEdit::SelStart() const {
  CHARRANGE range = {};
  if (handle_) ::SendMessageA(handle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMin;
}

int32_t TRichEdit::SelLength() const {
  CHARRANGE range = {};
  if (handle_) ::SendMessageA(handle_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
  return range.cpMax - range.cpMin;
}

void TRichEdit::SetSel(int32_t start, int32_t length) {
  CHARRANGE range = {start, start + length};
  if (handle_) ::SendMessageA(handle_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&range));
}

void TRichEdit::Command(uint16_t code) {
  if (code == EN_CHANGE && OnChange) OnChange(this);
}
