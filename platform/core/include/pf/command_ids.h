#pragma once
// The command ids that the framework itself handles (file, edit, view, help), with the
// platform's numbers so that menu tables read as they always have.

namespace pf {

inline constexpr int kIdFileNew = 0xE100;
inline constexpr int kIdFileOpen = 0xE101;
inline constexpr int kIdFileClose = 0xE102;
inline constexpr int kIdFileSave = 0xE103;
inline constexpr int kIdFileSaveAs = 0xE104;
inline constexpr int kIdFilePrint = 0xE107;
inline constexpr int kIdFilePrintPreview = 0xE109;
inline constexpr int kIdFileMru1 = 0xE110;  // up to kIdFileMru1 + kMaxRecentFiles - 1
inline constexpr int kIdEditClear = 0xE120;
inline constexpr int kIdEditCut = 0xE123;
inline constexpr int kIdWindowNew = 0xE130;
inline constexpr int kIdAppAbout = 0xE140;
inline constexpr int kIdAppExit = 0xE141;
// The buttons of the print preview.
inline constexpr int kIdPreviewClose = 0xE300;
inline constexpr int kIdPreviewNext = 0xE302;
inline constexpr int kIdPreviewPrev = 0xE303;
inline constexpr int kIdPreviewPrint = 0xE304;
inline constexpr int kIdPreviewZoomIn = 0xE305;
inline constexpr int kIdPreviewZoomOut = 0xE306;
inline constexpr int kIdViewToolBar = 0xE800;
inline constexpr int kIdViewStatusBar = 0xE801;

inline constexpr int kMaxRecentFiles = 4;

}  // namespace pf
