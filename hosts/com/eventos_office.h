#pragma once

#include <oaidl.h>
#include <windows.h>

// The outgoing interfaces of Word and Office that the add-in listens to, with the numbers their
// type libraries give their members.
namespace quillora::com {

// Word's ApplicationEvents2: the application events of Word 2000 and later.
inline constexpr GUID kDiidApplicationEvents2 = {
    0x000209FE, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace dispid_aplicacion {
inline constexpr DISPID kQuit = 2;
inline constexpr DISPID kDocumentOpen = 4;
inline constexpr DISPID kDocumentBeforeClose = 6;  // (Doc, Cancel)
inline constexpr DISPID kNewDocument = 9;
inline constexpr DISPID kWindowActivate = 10;          // (Doc, Wn)
inline constexpr DISPID kWindowBeforeRightClick = 13;  // (Sel, Cancel)
}  // namespace dispid_aplicacion

// Office's _CommandBarButtonEvents: the Click of a command-bar button.
inline constexpr GUID kDiidCommandBarButtonEvents = {
    0x000C0351, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

namespace dispid_boton {
inline constexpr DISPID kClick = 1;  // (Ctrl, CancelDefault)
}

}  // namespace quillora::com
