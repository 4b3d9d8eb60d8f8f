// The frame's menus, accelerators, strings and bars: menu 128 without a document, 129 with one;
// the main toolbar 128 and the element bar 130. The commands whose handlers are not built yet
// stand in the menus all the same; the command route disables them.

#include <array>
#include <string_view>

#include "pf/command_ids.h"
#include "pf/window.h"
#include "resources/CommandIds.h"
#include "resources/ElementDeclarations.h"
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
    {0, nullptr},
    {kIdEditAsciiFile, "ASCII-File erstellen"},
    {kIdEditExportNetwork, "Netzwerk exportieren"},
    {0, nullptr},
    {kIdEditSpiceFile, "Spice-File erstellen"},
    {kIdEditSpiceStart, "Spice starten"},
    {kIdEditSpiceRawFile, "Spice RawFile..."},
};

constexpr MenuItemTemplate kViewWithout[] = {
    {pf::kIdViewToolBar, "&Symbolleiste"},
    {pf::kIdViewStatusBar, "&Statusleiste"},
};

constexpr MenuItemTemplate kViewWith[] = {
    {pf::kIdViewToolBar, "&Symbolleiste"},
    {kIdViewElementBar, "Elementleiste"},
    {pf::kIdViewStatusBar, "&Statusleiste"},
};

// The element commands come from the element declarations, in their order: the menu, the
// prompts and tool tips, the bar and its picture strip below.
constexpr size_t kElementCommandCount = [] {
  size_t n = 0;
  for (const ElementDeclaration& e : kElementDeclarations) n += e.command != nullptr ? 1 : 0;
  return n;
}();

constexpr size_t kElementMenuLength = [] {
  size_t n = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command != nullptr) n += e.separatorBefore ? 2 : 1;
  }
  return n;
}();

constexpr auto kElements = [] {
  std::array<MenuItemTemplate, kElementMenuLength> items{};
  size_t n = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command == nullptr) continue;
    if (e.separatorBefore) items[n++] = {0, nullptr};
    items[n++] = {kIdElementFirst + e.type, e.command};
  }
  return items;
}();

constexpr MenuItemTemplate kSimulators[] = {
    {kIdSimulatorRavilone, "Ravilone"},
    {kIdSimulatorSpice, "Spice"},
};

constexpr MenuItemTemplate kAnalysis[] = {
    {kIdAnalysisSmallSignal, "Spice Kleinsignal-Analyse ..."},
    {kIdAnalysisDcOp, "Spice Dc Op-Analyse..."},
    {kIdAnalysisDcSweep, "Spice Dc Sweep..."},
    {kIdAnalysisTransient, "Spice Transient-Analyse..."},
    {0, nullptr},
    {0, "Simulator", kSimulators},
    {kIdSpiceSettings, "Spice Simulator einstellen ..."},
};

constexpr MenuItemTemplate kSynthesis[] = {
    {kIdSynthesisLowPass, "Tiefpass..."},
    {kIdSynthesisBandPass, "Bandpass..."},
    {kIdSynthesisMicLowPass, "Mic-Tiefpass..."},
    {0, nullptr},
    {kIdSynthesisHighPass, "->Hochpass"},
    {kIdSynthesisBandStop, "->Bandsperre"},
    {kIdSynthesisTrlLowPass, "->TRL-Tiefpass..."},
    {kIdSynthesisTrlHighPass, "->TRL-Hochpass"},
    {kIdSynthesisMslLowPass, "->MSL-Tiefpass"},
};

constexpr MenuItemTemplate kService[] = {
    {kIdServiceCopyCircuit, "Schaltung ins Clipboard"},
    {kIdServiceLatex, "Schaltung  --> Latex-File"},
    {0, nullptr},
    {kIdServiceMslDimensioning, "MSL-Dimensionierung..."},
    {kIdServiceSltDimensioning, "SLT-Dimensionierung..."},
    {kIdServiceMslSltTransition, "MSL->SLT-Transition..."},
    {kIdServiceCplDimensioning, "CPL-Dimensionierung..."},
    {kIdServiceSandwichSlotline, "Sandwich Slotline..."},
    {0, nullptr},
    {kIdServiceGerber, "Gerber-Plotdatei..."},
};

constexpr MenuItemTemplate kHelpWithout[] = {
    {pf::kIdAppAbout, "&Info über Vostrane..."},
};

constexpr MenuItemTemplate kHelpWith[] = {
    {kIdHelp, "Hilfe..."},
    {0, nullptr},
    {pf::kIdAppAbout, "&Info über Vostrane..."},
};

constexpr MenuItemTemplate kWithoutDocument[] = {
    {0, "&Datei", kFileWithout},
    {0, "&Ansicht", kViewWithout},
    {0, "&?", kHelpWithout},
};

constexpr MenuItemTemplate kWithDocument[] = {
    {0, "&Datei", kFileWith},
    {0, "&Bearbeiten", kEdit},
    {0, "&Ansicht", kViewWith},
    {0, "&Elemente", kElements},
    {0, "Analyse", kAnalysis},
    {0, "Synthese", kSynthesis},
    {0, "Service", kService},
    {0, "&?", kHelpWith},
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

// A command's string is "prompt\ntool tip"; the prompt shows in the status bar.
constexpr pf::StringTemplate kFrameStrings[] = {
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
    {pf::kIdAppExit, "Beendet das Programm; fragt, ob Dokumente gespeichert werden sollen\n"
     "Beenden"},
    {pf::kIdViewToolBar, "Blendet die Symbolleiste ein oder aus\nSymbolleiste"},
    {pf::kIdViewStatusBar, "Blendet die Statusleiste ein oder aus\nStatusleiste"},
    {kIdViewElementBar, "Zeigt die Elementleiste wieder an\nElementleiste"},
    {kIdEditAsciiFile, "Kopiert die Netzliste der Schaltung ins Clipboard\nASCII-File"},
    {kIdEditExportNetwork, "Exportiert die Schaltung als Netzwerk\nNetzwerk exportieren"},
    {kIdEditSpiceFile, "Schreibt die Spice-Netzliste der Schaltung\nSpice-File"},
    {kIdEditSpiceStart, "Startet Spice mit der geschriebenen Netzliste\nSpice starten"},
    {kIdEditSpiceRawFile, "Zeigt die Ergebnisse des letzten Spice-Laufs\nSpice RawFile"},
    {kIdAnalysisSmallSignal, "Startet eine Kleinsignal-Analyse mit Spice\nKleinsignal-Analyse"},
    {kIdAnalysisDcOp, "Startet eine Arbeitspunkt-Analyse mit Spice\nArbeitspunkt-Analyse"},
    {kIdAnalysisDcSweep, "Startet einen Dc Sweep mit Spice\nDc Sweep"},
    {kIdAnalysisTransient, "Startet eine Transient-Analyse mit Spice\nTransient-Analyse"},
    {kIdSimulatorRavilone, "Rechnet mit dem eingebauten Simulator\nRavilone"},
    {kIdSimulatorSpice, "Rechnet mit Spice\nSpice"},
    {kIdSpiceSettings, "Legt das Verzeichnis des Spice-Simulators fest\nSpice einstellen"},
    {kIdServiceCopyCircuit, "Kopiert die Schaltungsgrafik ins Clipboard\nSchaltung ins Clipboard"},
    {kIdServiceLatex, "Kopiert die Schaltung als Latex-Bild ins Clipboard\nLatex-File"},
    {kIdServiceMslDimensioning, "Berechnet die Maße einer Mikrostreifenleitung\n"
     "MSL-Dimensionierung"},
    {kIdServiceSltDimensioning, "Berechnet die Maße einer Schlitzleitung\nSLT-Dimensionierung"},
    {kIdServiceMslSltTransition, "Entwirft einen Übergang Mikrostreifen-Schlitzleitung\nMSL->SLT"},
    {kIdServiceCplDimensioning, "Dimensionierung einer Koplanarleitung\nCPL-Dimensionierung"},
    {kIdServiceSandwichSlotline, "Berechnet eine abgedeckte Schlitzleitung\nSandwich Slotline"},
    {kIdServiceGerber, "Erstellt eine Plotdatei im Gerberformat\nGerber-Plotdatei"},
    {kIdSynthesisLowPass, "Entwirft einen Tiefpass aus Spulen und Kondensatoren\nTiefpass"},
    {kIdSynthesisBandPass, "Entwirft einen Bandpass aus Schwingkreisen\nBandpass"},
    {kIdSynthesisMicLowPass, "Entwirft einen Tiefpass aus offenen Stichleitungen\nMic-Tiefpass"},
    {kIdSynthesisHighPass, "Wandelt den Tiefpass in einen Hochpass\nHochpass"},
    {kIdSynthesisBandStop, "Wandelt den Bandpass in eine Bandsperre\nBandsperre"},
    {kIdSynthesisTrlLowPass, "Ersetzt die Bauelemente des Tiefpasses durch Leitungen\n"
     "TRL-Tiefpass"},
    {kIdSynthesisTrlHighPass, "Ersetzt die Bauelemente des Hochpasses durch Leitungen\n"
     "TRL-Hochpass"},
    {kIdSynthesisMslLowPass, "Ersetzt die Leitungen durch Mikrostreifenleitungen\nMSL-Tiefpass"},
    {kIdHelp, "Öffnet die Hilfe\nHilfe"},
};

// An element command's string is "Wählt das nächste Element: TEXT\nTEXT". The strings stand one
// after another, each ended by its NUL.
constexpr std::string_view kElementPromptHead = "Wählt das nächste Element: ";

constexpr size_t kElementStringsLength = [] {
  size_t n = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command == nullptr) continue;
    // The head, the text twice, the line end and the NUL.
    n += kElementPromptHead.size() + 2 * std::string_view(e.command).size() + 2;
  }
  return n;
}();

constexpr auto kElementStrings = [] {
  std::array<char, kElementStringsLength> text{};
  size_t n = 0;
  const auto put = [&text, &n](std::string_view part) {
    for (const char c : part) text[n++] = c;
  };
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command == nullptr) continue;
    put(kElementPromptHead);
    put(e.command);
    put("\n");
    put(e.command);
    text[n++] = '\0';
  }
  return text;
}();

constexpr auto kStrings = [] {
  std::array<pf::StringTemplate, std::size(kFrameStrings) + kElementCommandCount> strings{};
  size_t n = 0;
  for (const pf::StringTemplate& s : kFrameStrings) strings[n++] = s;
  const char* text = kElementStrings.data();
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command == nullptr) continue;
    strings[n++] = {kIdElementFirst + e.type, text};
    text += std::string_view(text).size() + 1;
  }
  return strings;
}();

constexpr pf::PixelColour kPalette[] = {
    {'.', pf::Rgb(192, 192, 192)}, {'k', pf::Rgb(0, 0, 0)},     {'w', pf::Rgb(255, 255, 255)},
    {'y', pf::Rgb(255, 255, 0)},   {'b', pf::Rgb(0, 0, 128)},   {'g', pf::Rgb(128, 128, 128)},
    {'G', pf::Rgb(0, 128, 0)},     {'r', pf::Rgb(255, 0, 0)},
};

// Neu, Öffnen, Speichern, Ausschneiden, Drucken, Info: 16 x 15 each.
constexpr const char* kMainBarPictures[] = {
    "................................................"
    "................................................",
    "..kkkkkkkk.......................kkkkkkkkkkkkkk."
    ".....k....k........kkkkkkkkkk........bbbbb......",
    "..kwwwwwwkk......................kbkwwwwwwwwkbk."
    "......k..k.........kwwwwwwwwk......bb.....bb....",
    "..kwwwwwwkwk.....kkkk............kbkwwwwwwwwkbk."
    "......k..k.........kwwwwwwwwk.....bb.......bb...",
    "..kwwwwwwkkkk...kyyyyk...........kbkwwwwwwwwkbk."
    ".......kk..........kwwwwwwwwk.....b.........b...",
    "..kwwwwwwwwwk...kyyyykkkkkkk.....kbkwwwwwwwwkbk."
    ".......kk..........kkkkkkkkkk....b....b......b..",
    "..kwwwwwwwwwk...kyyyyyyyyyyk.....kbbkkkkkkkkbbk."
    ".......kk........kkkkkkkkkkkkkk..b......b....b..",
    "..kwwwwwwwwwk...kyykkkkkkkkkkk...kbbbbbbbbbbbbk."
    "......k..k.......kggggggggggggk..b.....b.....b..",
    "..kwwwwwwwwwk...kyykyyyyyyyyyk...kbbkkkkkkkkbbk."
    "......k..k.......kggggggggggygk..b...........b..",
    "..kwwwwwwwwwk...kykyyyyyyyyyk....kbbkggkwwwkbbk."
    "...kkk....kkk....kggggggggggggk..b.....b.....b..",
    "..kwwwwwwwwwk...kykyyyyyyyyyk....kbbkggkwwwkbbk."
    "..kk.kk..kk.kk...kggkkkkkkkkggk...b.........b...",
    "..kwwwwwwwwwk...kkyyyyyyyyyk.....kbbkggkwwwkbbk."
    "..k...k..k...k...kkkkwwwwwwkkkk...bb.......bb...",
    "..kwwwwwwwwwk...kkkkkkkkkkkk......kkkkkkkkkkkkk."
    "..kk.kk..kk.kk......kwwwwwwk.......bb.....bb....",
    "..kkkkkkkkkkk..................................."
    "...kkk....kkk.......kwwwwwwk.........bbbbb......",
    "................................................"
    "....................kkkkkkkk....................",
};

// The About box's picture, 32 x 32.
constexpr const char* kAboutPicture[] = {
    "................................",
    "................................",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "..kGGGGGGGGGGGGGGGGGGGGGGGGGGk..",
    "..kGGGGGGGGGGGGGGGGGGGGGGGGGGk..",
    "..kGGGGGGGGGGGGGGGGGGGGGGGGGGk..",
    "..kGGGbbGGGGyyyyyyyyGGGGbbGGGk..",
    "..kGGGbbGGGGyyyyyyyyGGGGbbGGGk..",
    "..kGGGGbbGGGyyyyyyyyGGGbbGGGGk..",
    "..kGGGGbbGGGyyyyyyyyGGGbbGGGGk..",
    "..kGGGGGbbGGyyyyyyyyGGbbGGGGGk..",
    "..kGGGGGbbGGyyyyyyyyGGbbGGGGGk..",
    "..kGGGGGGbbGyyyyyyyyGbbGGGGGGk..",
    "..kGGGGGGbbGyyyyyyyyGbbGGGGGGk..",
    "..yyyyyyybbyyyyyyyyyybbyyyyyyy..",
    "..yyyyyyyybbyyyyyyyybbyyyyyyyy..",
    "..yyyyyyyybbyyyyyyyybbyyyyyyyy..",
    "..yyyyyyyyybbyyyyyybbyyyyyyyyy..",
    "..kGGGGGGGGbbyyyyyybbGGGGGGGGk..",
    "..kGGGGGGGGGbbyyyybbGGGGGGGGGk..",
    "..kGGGGGGGGGbbyyyybbGGGGGGGGGk..",
    "..kGGGGGGGGGbbyyyybbGGGGGGGGGk..",
    "..kGGGGGGGGGybbyybbyGGGGGGGGGk..",
    "..kGGGGGGGGGybbyybbyGGGGGGGGGk..",
    "..kGGGGGGGGGyybbbbyyGGGGGGGGGk..",
    "..kGGGGGGGGGyybbbbyyGGGGGGGGGk..",
    "..kGGGGGGGGGGGGbbGGGGGGGGGGGGk..",
    "..kGGGGGGGGGGGGbbGGGGGGGGGGGGk..",
    "..kGGGGGGGGGGGGGGGGGGGGGGGGGGk..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
    "................................",
};

// The element pictures side by side in the order of the buttons. A picture row of another width
// leaves keys of no colour, and the strip does not load.
constexpr auto kElementBarStrip = [] {
  std::array<std::array<char, kElementCommandCount * kElementPictureWidth + 1>,
             kElementPictureHeight>
      strip{};
  size_t x = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command == nullptr) continue;
    for (int y = 0; y < kElementPictureHeight; ++y) {
      const std::string_view row = e.picture[y] != nullptr ? e.picture[y] : "";
      for (size_t i = 0; i < kElementPictureWidth; ++i) {
        strip[y][x + i] = i < row.size() ? row[i] : '?';
      }
    }
    x += kElementPictureWidth;
  }
  return strip;
}();

constexpr auto kElementBarPictures = [] {
  std::array<const char*, kElementPictureHeight> rows{};
  for (int y = 0; y < kElementPictureHeight; ++y) rows[y] = kElementBarStrip[y].data();
  return rows;
}();

constexpr pf::PixelMapTemplate kPictures[] = {
    {100, kPalette, kAboutPicture},
    {128, kPalette, kMainBarPictures},
    {130, kPalette, kElementBarPictures},
};

constexpr int kMainBar[] = {
    pf::kIdFileNew, pf::kIdFileOpen, pf::kIdFileSave, 0, pf::kIdEditCut, 0, pf::kIdFilePrint, 0,
    pf::kIdAppAbout,
};

constexpr auto kElementBar = [] {
  std::array<int, kElementCommandCount> buttons{};
  size_t n = 0;
  for (const ElementDeclaration& e : kElementDeclarations) {
    if (e.command != nullptr) buttons[n++] = kIdElementFirst + e.type;
  }
  return buttons;
}();

constexpr pf::ToolBarTemplate kToolBars[] = {{128, 128, 16, kMainBar}, {130, 130, 16, kElementBar}};

}  // namespace

FrameResources GetFrameResources() {
  return {kMenus, kAccelerators, kStrings, kPictures, kToolBars};
}
