#include "handlers.h"

#include "join_texts.h"
#include "platform.h"
#include "ui/control_text.h"
#include "ui/main_window_description.h"

namespace vh {

void HandleWindowCreated() {
    const OwnedText address = LookUpLocalAddress();
    WriteControlText(main_window::kId, main_window::kEditBox1, address.get());
}

void HandleCopyAddressClick() {
    // The boxes' copies are released as soon as they are joined.
    const OwnedText proxyAddress = [] {
        const OwnedText address = ReadControlText(main_window::kId, main_window::kEditBox1);
        const OwnedText port = ReadControlText(main_window::kId, main_window::kEditBox2);
        const char* const pieces[] = {"http://", address.get(), ":", port.get()};
        return JoinTexts(pieces);
    }();
    // A clipboard that another program holds stays as it was, silently.
    (void)PutTextOnClipboard(proxyAddress.get());
}

void HandleCopyUrlClick() {
    const OwnedText url = ReadControlText(main_window::kId, main_window::kEditBox3);
    (void)PutTextOnClipboard(url ? url.get() : kEmptyText);
}

}  // namespace vh
