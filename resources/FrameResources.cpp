// The frame's menus, accelerators, strings and toolbar: 128 without a document, 129 with one.
// The entries of the editor's own commands join these tables as its commands are built.

#include "pf/command_ids.h"
#include "pf/window.h"
#include "resources/Resources.h"

namespace {

using pf::MenuItemTemplate;

constexpr MenuItemTemplate kRecentFiles[] = {
    {pf::kIdFileMru1, "Zuletzt geöffnete Datei"},
    {pf::kIdFileMru1 + 1, "Zuletzt geöffnete Datei"},
    {pf::kIdFileMru1 + 2, "Zuletzt geöffnete Datei"},
    {pf::kIdFileMru1 + 3, "Zuletzt geöffnete Datei"},
};

constexpr MenuItemTemplate kFileWithout[] = {
    {pf::kIdFileNew, "&Neu\tStrg+N"},
    {pf::kIdFileOpen, "&Öffnen...\tStrg+O"},
    {0, nullptr},
    {0, "Zuletzt geöffnete Dateien", kRecentFiles},
    {0, nullptr},
    {pf::kIdAppExit, "&Beenden"},
};

constexpr MenuItemTemplate kFileWith[] = {
    {pf::kIdFileNew, "&Neu\tStrg+N"},
    {pf::kIdFileOpen, "&Öffnen...\tStrg+O"},
    {pf::kIdFileClose, "&Schließen"},
    {pf::kIdFileSave, "&Speichern\tStrg+S"},
    {pf::kIdFileSaveAs, "Speichern &unter..."},
    {0, nullptr},
    {pf::kIdFilePrint, "&Drucken...\tStrg+P"},
    {pf::kIdFilePrintPreview, "Sei&tenansicht"},
    {0, nullptr},
    {0, "Zuletzt geöffnete Dateien", kRecentFiles},
    {0, nullptr},
    {pf::kIdAppExit, "&Beenden"},
};

constexpr MenuItemTemplate kEdit[] = {
    {pf::kIdEditCut, "&Ausschneiden\tStrg+X"},
    {pf::kIdEditClear, "Löschen\tEntf"},
};

constexpr MenuItemTemplate kView[] = {
    {pf::kIdViewToolBar, "&Symbolleiste"},
    {pf::kIdViewStatusBar, "&Statusleiste"},
};

constexpr MenuItemTemplate kHelp[] = {
    {pf::kIdAppAbout, "&Info über Vostrane..."},
};

constexpr MenuItemTemplate kWithoutDocument[] = {
    {0, "&Datei", kFileWithout},
    {0, "&Ansicht", kView},
    {0, "&?", kHelp},
};

constexpr MenuItemTemplate kWithDocument[] = {
    {0, "&Datei", kFileWith},
    {0, "&Bearbeiten", kEdit},
    {0, "&Ansicht", kView},
    {0, "&?", kHelp},
};

constexpr pf::MenuTemplate kMenus[] = {
    {128, kWithoutDocument},
    {129, kWithDocument},
};

constexpr pf::Accelerator kKeys[] = {
    {'N', pf::kMkControl, pf::kIdFileNew},   {'O', pf::kMkControl, pf::kIdFileOpen},
    {'S', pf::kMkControl, pf::kIdFileSave},  {'P', pf::kMkControl, pf::kIdFilePrint},
    {'X', pf::kMkControl, pf::kIdEditCut},   {pf::kVkDelete, 0, pf::kIdEditClear},
};

constexpr pf::AcceleratorTemplate kAccelerators[] = {{128, kKeys}};

constexpr pf::StringTemplate kStrings[] = {
    {pf::kIdFileNew, "Erstellt ein neues Dokument\nNeu"},
    {pf::kIdFileOpen, "Öffnet ein vorhandenes Dokument\nÖffnen"},
    {pf::kIdFileClose, "Schließt das aktive Dokument\nSchließen"},
    {pf::kIdFileSave, "Speichert das aktive Dokument\nSpeichern"},
    {pf::kIdFileSaveAs, "Speichert das aktive Dokument unter einem neuen Namen\nSpeichern unter"},
    {pf::kIdFilePrint, "Druckt das aktive Dokument\nDrucken"},
    {pf::kIdFilePrintPreview, "Zeigt ganze Seiten an\nSeitenansicht"},
    {pf::kIdFileMru1, "Öffnet dieses Dokument"},
    {pf::kIdFileMru1 + 1, "Öffnet dieses Dokument"},
    {pf::kIdFileMru1 + 2, "Öffnet dieses Dokument"},
    {pf::kIdFileMru1 + 3, "Öffnet dieses Dokument"},
    {pf::kIdEditCut, "Entfernt das markierte Element\nAusschneiden"},
    {pf::kIdEditClear, "Löscht das markierte Element\nLöschen"},
    {pf::kIdAppAbout, "Zeigt Programminformationen an\nInfo"},
    {pf::kIdAppExit,
     "Beendet das Programm; fragt, ob Dokumente gespeichert werden sollen\nBeenden"},
    {pf::kIdViewToolBar, "Blendet die Symbolleiste ein oder aus\nSymbolleiste"},
    {pf::kIdViewStatusBar, "Blendet die Statusleiste ein oder aus\nStatusleiste"},
};

constexpr pf::PixelColour kPalette[] = {
    {'.', pf::Rgb(192, 192, 192)}, {'k', pf::Rgb(0, 0, 0)},     {'w', pf::Rgb(255, 255, 255)},
    {'y', pf::Rgb(255, 255, 0)},   {'b', pf::Rgb(0, 0, 128)},   {'g', pf::Rgb(128, 128, 128)},
};

// Neu, Öffnen, Speichern: 16 x 15 each.
constexpr const char* kMainBarPictures[] = {
    "................................................",
    "..kkkkkkkk.......................kkkkkkkkkkkkkk.",
    "..kwwwwwwkk......................kbkwwwwwwwwkbk.",
    "..kwwwwwwkwk.....kkkk............kbkwwwwwwwwkbk.",
    "..kwwwwwwkkkk...kyyyyk...........kbkwwwwwwwwkbk.",
    "..kwwwwwwwwwk...kyyyykkkkkkk.....kbkwwwwwwwwkbk.",
    "..kwwwwwwwwwk...kyyyyyyyyyyk.....kbbkkkkkkkkbbk.",
    "..kwwwwwwwwwk...kyykkkkkkkkkkk...kbbbbbbbbbbbbk.",
    "..kwwwwwwwwwk...kyykyyyyyyyyyk...kbbkkkkkkkkbbk.",
    "..kwwwwwwwwwk...kykyyyyyyyyyk....kbbkggkwwwkbbk.",
    "..kwwwwwwwwwk...kykyyyyyyyyyk....kbbkggkwwwkbbk.",
    "..kwwwwwwwwwk...kkyyyyyyyyyk.....kbbkggkwwwkbbk.",
    "..kwwwwwwwwwk...kkkkkkkkkkkk......kkkkkkkkkkkkk.",
    "..kkkkkkkkkkk...................................",
    "................................................",
};

constexpr pf::PixelMapTemplate kPictures[] = {{128, kPalette, kMainBarPictures}};

constexpr int kMainBar[] = {pf::kIdFileNew, pf::kIdFileOpen, pf::kIdFileSave};

constexpr pf::ToolBarTemplate kToolBars[] = {{128, 128, 16, kMainBar}};

}  // namespace

FrameResources GetFrameResources() {
  return {kMenus, kAccelerators, kStrings, kPictures, kToolBars};
}
