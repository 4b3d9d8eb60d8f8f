// The frame's menus, accelerators, strings and bars: menu 128 without a document, 129 with one;
// the main toolbar 128 and the element bar 130. The commands whose handlers are not built yet
// stand in the menus all the same; the command route disables them.

#include "pf/command_ids.h"
#include "pf/window.h"
#include "resources/CommandIds.h"
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

constexpr MenuItemTemplate kElements[] = {
    {kIdElementFirst + 0, "Verbindung"},
    {kIdElementFirst + 1, "Masse."},
    {0, nullptr},
    {kIdElementFirst + 4, "Widerstand"},
    {kIdElementFirst + 5, "Kapazität"},
    {kIdElementFirst + 6, "Induktivität"},
    {kIdElementFirst + 7, "Reihenschwingkreis"},
    {kIdElementFirst + 8, "Parallelschwingkreis"},
    {kIdElementFirst + 9, "Übertrager"},
    {kIdElementFirst + 10, "Schwingquarz"},
    {kIdElementFirst + 11, "Spannungsgesteuerte Spannungsquelle"},
    {kIdElementFirst + 12, "Spannungsgesteuerte Stromquelle"},
    {kIdElementFirst + 13, "Stromgesteuerte Stromquelle"},
    {0, nullptr},
    {kIdElementFirst + 15, "Netzwerk durch Datensatz beschrieben"},
    {kIdElementFirst + 16, "TEM-Leitung"},
    {kIdElementFirst + 17, "Operationsverstärker"},
    {kIdElementFirst + 18, "Koaxialleitung"},
    {kIdElementFirst + 19, "Bipolartransistor"},
    {kIdElementFirst + 20, "Feldeffekttransistor"},
    {0, nullptr},
    {kIdElementFirst + 21, "Substrat"},
    {kIdElementFirst + 22, "Mikrostreifenleitung"},
    {kIdElementFirst + 23, "kurzgeschlossene Mikrostreifenleitung"},
    {kIdElementFirst + 24, "offene Mikrostreifenleitung"},
    {kIdElementFirst + 25, "gekoppelte Mikrostreifenleitung"},
    {kIdElementFirst + 26, "Mikrostreifenleitungssprung"},
    {kIdElementFirst + 27, "T-Verzweigung Mikrostreifenleitung"},
    {kIdElementFirst + 28, "Radialstub Mikrostreifenleitung"},
    {kIdElementFirst + 29, "Mikrostreifenleitungsknick"},
    {kIdElementFirst + 30, "Mikrostreifenleitungstaper"},
    {0, nullptr},
    {kIdElementFirst + 31, "Netzwerkanalysator"},
    {kIdElementFirst + 33, "Spannungs/Strommessgerät"},
    {kIdElementFirst + 34, "Signalgenerator"},
    {kIdElementFirst + 35, "Benutzer definiertes Netzwerk"},
    {kIdElementFirst + 36, "Definiert extern zugänglichen Knoten"},
    {kIdElementFirst + 37, "ideale nichtlineare Halbleiterdiode"},
    {kIdElementFirst + 38, "Einstellbares Gleichspannungsnetzteil"},
    {kIdElementFirst + 39, "Digitaler Datengenerator"},
    {kIdElementFirst + 40, "Spektrumanalysator"},
    {kIdElementFirst + 41, "Oszillograph"},
    {0, nullptr},
    {kIdElementFirst + 42, "Create a Slotline"},
    {kIdElementFirst + 43, "Mikrostrip to Slotline Transition"},
    {kIdElementFirst + 44, "Create a Coplanarline"},
    {kIdElementFirst + 45, "Kreuzung Mikrostreifenleitung"},
    {kIdElementFirst + 46, "Create a slotline bend"},
    {kIdElementFirst + 47, "Creates a covered slotline"},
    {0, nullptr},
    {kIdElementFirst + 48, "Wave-Datei als Tonquelle laden"},
    {kIdElementFirst + 49, "Lautsprecher"},
    {0, nullptr},
    {kIdElementFirst + 50, "Create a Spice-Library"},
    {kIdElementFirst + 51, "Plotter erzeugen"},
    {kIdElementFirst + 52, "Impulsgenerator(Transient-Analyse)"},
    {kIdElementFirst + 53, "Create a Coplanarcross"},
};

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
    {kIdElementFirst + 0, "Wählt das nächste Element: Verbindung\nVerbindung"},
    {kIdElementFirst + 1, "Wählt das nächste Element: Masse.\nMasse."},
    {kIdElementFirst + 4, "Wählt das nächste Element: Widerstand\nWiderstand"},
    {kIdElementFirst + 5, "Wählt das nächste Element: Kapazität\nKapazität"},
    {kIdElementFirst + 6, "Wählt das nächste Element: Induktivität\nInduktivität"},
    {kIdElementFirst + 7, "Wählt das nächste Element: Reihenschwingkreis\nReihenschwingkreis"},
    {kIdElementFirst + 8, "Wählt das nächste Element: Parallelschwingkreis\nParallelschwingkreis"},
    {kIdElementFirst + 9, "Wählt das nächste Element: Übertrager\nÜbertrager"},
    {kIdElementFirst + 10, "Wählt das nächste Element: Schwingquarz\nSchwingquarz"},
    {kIdElementFirst + 11, "Wählt das nächste Element: Spannungsgesteuerte Spannungsquelle\n"
     "Spannungsgesteuerte Spannungsquelle"},
    {kIdElementFirst + 12, "Wählt das nächste Element: Spannungsgesteuerte Stromquelle\n"
     "Spannungsgesteuerte Stromquelle"},
    {kIdElementFirst + 13, "Wählt das nächste Element: Stromgesteuerte Stromquelle\n"
     "Stromgesteuerte Stromquelle"},
    {kIdElementFirst + 15, "Wählt das nächste Element: Netzwerk durch Datensatz beschrieben\n"
     "Netzwerk durch Datensatz beschrieben"},
    {kIdElementFirst + 16, "Wählt das nächste Element: TEM-Leitung\nTEM-Leitung"},
    {kIdElementFirst + 17, "Wählt das nächste Element: Operationsverstärker\nOperationsverstärker"},
    {kIdElementFirst + 18, "Wählt das nächste Element: Koaxialleitung\nKoaxialleitung"},
    {kIdElementFirst + 19, "Wählt das nächste Element: Bipolartransistor\nBipolartransistor"},
    {kIdElementFirst + 20, "Wählt das nächste Element: Feldeffekttransistor\nFeldeffekttransistor"},
    {kIdElementFirst + 21, "Wählt das nächste Element: Substrat\nSubstrat"},
    {kIdElementFirst + 22, "Wählt das nächste Element: Mikrostreifenleitung\nMikrostreifenleitung"},
    {kIdElementFirst + 23, "Wählt das nächste Element: kurzgeschlossene Mikrostreifenleitung\n"
     "kurzgeschlossene Mikrostreifenleitung"},
    {kIdElementFirst + 24, "Wählt das nächste Element: offene Mikrostreifenleitung\n"
     "offene Mikrostreifenleitung"},
    {kIdElementFirst + 25, "Wählt das nächste Element: gekoppelte Mikrostreifenleitung\n"
     "gekoppelte Mikrostreifenleitung"},
    {kIdElementFirst + 26, "Wählt das nächste Element: Mikrostreifenleitungssprung\n"
     "Mikrostreifenleitungssprung"},
    {kIdElementFirst + 27, "Wählt das nächste Element: T-Verzweigung Mikrostreifenleitung\n"
     "T-Verzweigung Mikrostreifenleitung"},
    {kIdElementFirst + 28, "Wählt das nächste Element: Radialstub Mikrostreifenleitung\n"
     "Radialstub Mikrostreifenleitung"},
    {kIdElementFirst + 29, "Wählt das nächste Element: Mikrostreifenleitungsknick\n"
     "Mikrostreifenleitungsknick"},
    {kIdElementFirst + 30, "Wählt das nächste Element: Mikrostreifenleitungstaper\n"
     "Mikrostreifenleitungstaper"},
    {kIdElementFirst + 31, "Wählt das nächste Element: Netzwerkanalysator\nNetzwerkanalysator"},
    {kIdElementFirst + 33, "Wählt das nächste Element: Spannungs/Strommessgerät\n"
     "Spannungs/Strommessgerät"},
    {kIdElementFirst + 34, "Wählt das nächste Element: Signalgenerator\nSignalgenerator"},
    {kIdElementFirst + 35, "Wählt das nächste Element: Benutzer definiertes Netzwerk\n"
     "Benutzer definiertes Netzwerk"},
    {kIdElementFirst + 36, "Wählt das nächste Element: Definiert extern zugänglichen Knoten\n"
     "Definiert extern zugänglichen Knoten"},
    {kIdElementFirst + 37, "Wählt das nächste Element: ideale nichtlineare Halbleiterdiode\n"
     "ideale nichtlineare Halbleiterdiode"},
    {kIdElementFirst + 38, "Wählt das nächste Element: Einstellbares Gleichspannungsnetzteil\n"
     "Einstellbares Gleichspannungsnetzteil"},
    {kIdElementFirst + 39, "Wählt das nächste Element: Digitaler Datengenerator\n"
     "Digitaler Datengenerator"},
    {kIdElementFirst + 40, "Wählt das nächste Element: Spektrumanalysator\nSpektrumanalysator"},
    {kIdElementFirst + 41, "Wählt das nächste Element: Oszillograph\nOszillograph"},
    {kIdElementFirst + 42, "Wählt das nächste Element: Create a Slotline\nCreate a Slotline"},
    {kIdElementFirst + 43, "Wählt das nächste Element: Mikrostrip to Slotline Transition\n"
     "Mikrostrip to Slotline Transition"},
    {kIdElementFirst + 44, "Wählt das nächste Element: Create a Coplanarline\n"
     "Create a Coplanarline"},
    {kIdElementFirst + 45, "Wählt das nächste Element: Kreuzung Mikrostreifenleitung\n"
     "Kreuzung Mikrostreifenleitung"},
    {kIdElementFirst + 46, "Wählt das nächste Element: Create a slotline bend\n"
     "Create a slotline bend"},
    {kIdElementFirst + 47, "Wählt das nächste Element: Creates a covered slotline\n"
     "Creates a covered slotline"},
    {kIdElementFirst + 48, "Wählt das nächste Element: Wave-Datei als Tonquelle laden\n"
     "Wave-Datei als Tonquelle laden"},
    {kIdElementFirst + 49, "Wählt das nächste Element: Lautsprecher\nLautsprecher"},
    {kIdElementFirst + 50, "Wählt das nächste Element: Create a Spice-Library\n"
     "Create a Spice-Library"},
    {kIdElementFirst + 51, "Wählt das nächste Element: Plotter erzeugen\nPlotter erzeugen"},
    {kIdElementFirst + 52, "Wählt das nächste Element: Impulsgenerator(Transient-Analyse)\n"
     "Impulsgenerator(Transient-Analyse)"},
    {kIdElementFirst + 53, "Wählt das nächste Element: Create a Coplanarcross\n"
     "Create a Coplanarcross"},
};

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

// The element bar's pictures in the order of its buttons, five to a source line.
constexpr const char* kElementBarPictures[] = {
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "............k..." "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................",
    "................" ".......k........" "................" "................" "................"
    "................" ".....kkkkkk....." ".......kk......." "................" ".......k........"
    ".......k........" ".....kkkkk......" "...kkkkkkkkkk..." "................" "...k............"
    "................" "......kkkkkk...." "......kkkkk.k..." "................" "................"
    "................" "................" "................" "................" "................"
    ".GGGGGGGGGGGGGG." ".GGGGGGyyyGGGGG." "................" "................" "................"
    ".....kkkkk......" "...kkkkkkkkkk..." "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" ".GGGGGyyyGGGGGG." "................" ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk."
    "..........k....." "..kkkkkkkkkkkk.." "..k............." "................" "................",
    "................" ".......k........" "................" "......k..k......" "................"
    "................" "..kkkkkkkkkkkk.." "kkkkkk.kk.kkkkkk" ".....kkkkkk....." "......k.k......."
    "......k.k......." "...kk.....kk...." "...k........k..." "................" "...kkk.........."
    "................" "....kk....kkk..." "....kk.....kk..." "................" "................"
    "................" "................" "................" "................" ".GGGGGGGGGGGGGG."
    ".GGGGGyyyyGGGGG." ".GGGGGGyyyGGGGG." "................" ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk."
    "...kk.....kk...." "...k........k..." "................" "................" "..kkkkkkkkkkkk.."
    ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyGyyyyy." ".kggggggggggggk." ".k............k."
    ".........kk....." "..kbwwwwwwwwwk.." "..k............." ".kkkkkkkkkkkkkk." ".yyyyGyyyGyyyyy.",
    "................" ".......k........" "................" "......k..k......" "................"
    ".........k..k..." "..k..kkkkkk..k.." "...k.k.kk.k.k..." "...k.k....k.k..." ".....k...k......"
    ".....k...k......" "..kk.......kk..." "...k........k..." "................" "...k..kk........"
    "................" "...kk.k.kk..kk.." "...kk..k....kk.." "................" ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG."
    ".GGGGyyyyyyGGGG." ".GGGGGGyyyGGGGG." ".GGGGGGGGGGGGGG." ".kggggggggggggk." ".kggggggggggggk."
    "..kk.......kk..." "...k........k..." "................" "....k.....k....." "..k..........k.."
    ".k............k." ".kggggggggggggk." ".kggggggggggggk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyGyyyyy." ".kggggggggggggk." ".k............k."
    ".......kk.k..k.." "..kbwwwwwwwwwk.." "..k.....rr......" ".k............k." ".yyyyGyyyGyyyyy.",
    "................" ".......k........" "................" "......k..k......" "................"
    ".........k..k..." "..k..........k.." "...kkk.kk.kkk..." "...k.k....k.k..." "....k.....k....."
    "....k.....k....." "..k.........k..." "kkkk........kkkk" "................" "kkkk.kkkk......."
    "..kkkkkkkkkkkk.." "...k..kk.....k.." "...k...kkkkkkk.." ".yyyyyyyyyyyyyy." ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".yyyyyyyyyyyyyy." ".GGGGGGyyyyyyyy." ".yyyyyyyyyyyyyy."
    ".GGGGyyyyyyGGGG." ".GGGGGGyyyGGGGG." ".GGGGGGGGGGyyyy." ".kgkkkkkkkggggk." ".kgkkkkkkkggggk."
    "..k.........k..." "kkkk........kkkk" "..........kkk..." "....kkk...k....." "..k..........k.."
    ".k............k." ".kgkkkkkkkggggk." ".kgkkkkkkkggggk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyGyyyyy." ".kkkkkkkkkkkkkk." ".k..k.......k.k."
    "......k...k.k..." "..kbwwkkwwwwwk.." "..k....r..r....." ".k...kkkkk....k." ".yyyyGyyyGyyyyy.",
    "................" ".......k........" "....kkkkkkkk...." "......k..k......" "....kkkkkkkk...."
    "..kkkkkk.k..k..." "..k..........k.." "...kkk.kk.kkk..." "...k.k....k.k..." "...k..k.k..k...."
    "...k..kkk..k...." ".k....kkk....k.." "...k...kk...k..." "..kkkkkkkkkkkk.." "...k.....kk....."
    "..kggggggggggk.." "..k...k.......k." "..k..k.k......k." ".yyyyyyyyyyyyyy." ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".yyyyyyyyyyyyyy." ".GGGGGGyyyyyyyy." ".yyyyyyyyyyyyyy."
    ".GGGyyyyyyyyGGG." ".GGGGGGyyyGGGGG." ".GGGGGyyyyyyyyy." ".kgkwwwwwkggkgk." ".kgkwkwkwkggkgk."
    ".k...k.......k.." "...k..k.k...k..." ".........k...k.." "....k..k..k....." "..k..........k.."
    ".k..kkkk..kkkkk." ".kgkwwwbwkggkgk." ".kgkwbwwwkggkgk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".GGGGGGGGGGGGGG." ".GGGGGyyyGGGGGG." ".yyyyyyyyGyyyyy." "................" ".k.k.k.....k..k."
    "..kkkk....k....." "..kbwkwwwwwwwk.." "..k............." ".k...k...k....k." ".GGGGGGGGGGGGGG.",
    ".kk..........kk." ".......k........" "....k......k...." "......k..k......" "....kkkkkkkk...."
    "..kkkkkk.k..k..." "..k..........k.." "...k.k.kk.k.k..." "...k.k....k.k..." "..k...k.k...k..."
    "..k....k....k..." ".k.....k.....k.." "...k..k.....k..." "..k..........k.." "...k.......kk..."
    "..kggggggggggk.." "..k...k.......k." "..k..k.k......k." ".kkkkkkkkkkkkkk." ".yyyyyyyyyyyyyy."
    ".yyyyyyyyyyykkG." ".yyyyyyyyyyGGGG." ".GGGGGGGGGGGGGG." ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy."
    ".GGGyyyyyyyyGGG." ".GGGGGGyyyGGGGG." ".yyyyyyyyyyyyyy." ".kgkwwbwwkggggk." ".kgkwkwkwkggggk."
    ".k..k.k....k.k.." "...k..kkk...k..." "........k.k.k.k." "....k...kkk....." "..k..k.......k.."
    ".k..k..k..k...k." ".kgkwbwbwkggggk." ".kgkwwbwwkggggk." ".yyyyyyyyyyyyyy." ".kkkkkkkkkkkyyy."
    ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".yyyyyyyyGyyyyy." ".yyyyyyyyyyyyyy." ".k............k."
    "..kkkk....k....." "..kbwwkwwwwwwk.." "..k...r....r...." ".k...k...k....k." ".yyyyGyyyGyyyyy.",
    ".kkkkkkkkkkkkkk." ".......k........" "kkkkk......kkkkk" "kkkkkkk..kkkkkkk" "kkkkkkkkkkkkkkkk"
    "kkkkkkkkkk..kkkk" "kkk..........kkk" "...kkk.kk.kkk..." "kkkk.k....k.kkkk" "kk....k.k....kkk"
    "kk.....k.....kkk" "kk.....k.....kkk" "...k...k....k..." "kkwwwwwwwwwwwwkk" "...k.........kkk"
    "kkkyyyyyyyyyykkk" "kkkkkkk.......k." "..k..k.k......k." ".kGGGGGGGGGGGGk." ".yyyyyyyyyyyyyy."
    ".yyyyyyyyyyykkG." ".yyyyyyyyyyGGGG." ".GGGGGGGGGGGGGG." ".yyyyyyyyyyyyyy." ".GGGGGyyyyGGGGG."
    ".GGyyyyyyyyyyGG." ".GGGGGGyyyGGGGG." ".yyyyyyyyyyyyyy." ".kgkwbwbwkggkgk." ".kgkwkwkwkggkgk."
    "kk.....k.....kkk" "...k..kkk...k..." "kkkkkkkkkk.k..k." "kkkkkkkkkkkkkkkk" "kkk.kkk..kkk.kkk"
    ".k..k..k..k...k." ".kgkwbwbwkggkgk." ".kgkbwwwwkggkgk." ".GGGGGGGGGGGGGG." ".kkkkkkkkkkkyyy."
    ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".yyyyyyyyGyyyyy." ".yyyyyyyyyyyyyy." ".kkk..k...k...k."
    "..kkkk....k.kk.." "..kbwwwkwwwwwk.." "..k............." ".k...k...k....k." ".yyyyGyyyGyyyyy.",
    ".kk..........kk." ".......k........" "....k......k...." "......k..k......" "....kkkkkkkk...."
    "..kkkkkk.k..k..." "..k..........k.." "...kkk.kk.kkk..." "...k.k....k.k..." "..k...k.k...k..."
    "..k....k....k..." ".k.....k.....k.." "...k....k...k..." "..k..........k.." "...k.......kk..."
    "..kggggggggggk.." "..k...k.......k." "..k..k.k......k." ".kGGGGGGGGGGGGk." ".yyyyyyyyyyyyyy."
    ".yyyyyyyyyyykkG." ".yyyyyyyyyyGGGG." ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".GGGGGyyyyGGGGG."
    ".GGyyyyyyyyyyGG." ".GGGGGGyyyGGGGG." ".yyyyyyyyyyyyyy." ".kgkbwwbwkggggk." ".kgkwkwkwkggggk."
    ".k.k....k.k..k.." "...k..kkk...k..." "........k.k.k.k." "....k...kkk....." "..k..k.......k.."
    ".k..k..k..k...k." ".kgkbbwbbkggggk." ".kgkwwwbwkggggk." ".yyyyyyyyyyyyyy." ".kkkkkkkkkkkyyy."
    ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".yyyyyyyyGyyyyy." ".yyyyyyyyyyyyyy." ".k............k."
    "..kkkk....k....." "..kbwkkwwwwwwk.." "..k..r......r..." ".k...k...k....k." ".yyyyGyyyGyyyyy.",
    "................" "...kkkkkkkkk...." "....kkkkkkkk...." "......k..k......" "....kkkkkkkk...."
    "..kkkkkk.k..k..." "..k..........k.." "...k.k.kk.k.k..." "...k.k....k.k..." "...k..kkk..k...."
    "...k..kkk..k...." ".k....kkk....k.." "...k..kk....k..." "..kkkkkkkkkkkk.." "...k..k..kk....."
    "..kggggggggggk.." "..k...k.......k." "kkkkkk.k......k." ".kGGGGGGGGGGGGk." ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".yyyyyyyyyyyyyy." ".GGGGGGyyyyyyyy." ".GGGGGyyyyGGGGG."
    ".GyyyyyyyyyyyyG." ".yyyyyyyyyGGGGG." ".GGGGGyyyyyyyyy." ".kgkwwwwbkggkgk." ".kgkwwkwwkggkgk."
    ".k.......k...k.." "...k..k.k...k..." ".........k...k.." "....k..k..k....." "..k..........k.."
    ".kkkk..kkkk...k." ".kgkbbbbbkggkgk." ".kgkwwwwbkggkgk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".GGGGGGGGGGGGGG." ".GGGGGyyyGGGGGG." ".GGGGGGGGGyyyyy." ".GGGGGGGGGGGGGG." ".k.....k.k....k."
    "..kkkk....k....." "..kbwkwkwwwwwk.." "..k..........r.." ".k...k...k....k." ".GGGGGGGGGGGGGG.",
    "................" "................" "................" "......k..k......" "................"
    ".........k..k..." "..k...k..k...k.." "...kkk.kk.kkk..." "...k.k....k.k..." "....k.....k....."
    "....k.....k....." "..k.........k..." "kkkk........kkkk" "................" "kkkk.kkkk......."
    "..kkkkkkkkkkkk.." "...k..kk.....k.." "...k...kkkkkkk.." ".kGGGGGGGGGGGGk." ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." ".GGGGGGyyyyyyyy." ".GGGGGyyyyGGGGG."
    ".yyyyyyyyyyyyyy." ".yyyyyyyyyGGGGG." ".GGGGGGGGGGyyyy." ".kgkkkkkkkggggk." ".kgkkkkkkkggggk."
    "..k.........k..." "kkkk........kkkk" "..........kkk..." "....kkk...k....." "..k..........k.."
    ".k............k." ".kgkkkkkkkggggk." ".kgkkkkkkkggggk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".k......k.....k."
    "......k...k.k..." "..kbwkkwwwwwwk.." "..k.r..........." ".kkkkk...kkkkkk." ".yyyyGyyyGyyyyy.",
    "................" ".....kkkkk......" "................" "......k..k......" "................"
    ".........k..k..." "..k...k..k...k.." "...kkk.kk.kkk..." "...k.k....k.k..." ".....k...k......"
    ".....k...k......" "..kk.......kk..." "...k........k..." "................" "...k..kk........"
    "................" "...kk.k.kkk.kk.." "...kk..k....kk.." ".kGGGGGGGGGGGGk." ".GGGGGGGGGGGGGG."
    ".GGGGGGGGGGGkkG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." ".GGGGGyyyyGGGGG."
    ".yyyyyyyyyyyyyy." ".yyyyyyyyyGGGGG." ".GGGGGGGGGGGGGG." ".kggggggggggggk." ".kggggggggggggk."
    "..kk.......kk..." "...k........k..." "................" "....k.....k....." "..k..........k.."
    ".k............k." ".kggggggggggggk." ".kggggggggggggk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".k............k."
    ".......kk.k..k.." "..kbwkwwwwwwwk.." "..kr............" ".k............k." ".yyyyGyyyGyyyyy.",
    "................" "................" "................" "......k..k......" "................"
    "................" "..kkkkk..kkkkk.." "kkkk.k.kk.k.kkkk" ".....kkkkkk....." "......k.k......."
    "......k.k......." "...kk.....kk...." "...k........k..." "................" "...kkk.........."
    "................" "....kk....kkk..." "....kk.....kk..." ".kkkkkkkkkkkkkk." "................"
    "................" "................" "................" "................" ".GGGGGyyyyGGGGG."
    ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." "................" ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk."
    "...kk.....kk...." "...k........k..." "................" "................" "..kkkkkkkkkkkk.."
    ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk." ".kkkkkkkkkkkkkk." ".yyyyyyyyyyyyyy." ".yyyyyyGyyyyyyy."
    ".yyyyyyyyyyyyyy." ".GGGGGyyyGGGGGG." ".yyyyyyyyyyyyyy." ".yyyyyyyyyyyyyy." ".k............k."
    ".........kk....." "..kbwkwwwwwwwk.." "..k............." ".kkkkkkkkkkkkkk." ".yyyyGyyyGyyyyy.",
    "................" "......kkk......." "................" "................" "................"
    "................" "......k..k......" "...kkk.kk.kkk..." "................" ".......k........"
    ".......k........" ".....kkkkk......" "...kkkkkkkkkk..." "................" "...k............"
    "................" "......kkkkkk...." "......kkkkk.k..." ".kkkkkkkkkkkkkk." "................"
    "................" "................" "................" "................" ".GGGGGyyyyGGGGG."
    ".GGGGGGGGGGGGGG." ".GGGGGGGGGGGGGG." "................" "...........k.k.." "................"
    ".....kkkkk......" "...kkkkkkkkkk..." "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" ".GGGGGyyyGGGGGG." "................" "................" ".kkkkkkkkkkkkkk."
    "..........k....." "..kkkkkkkkkkkk.." "..kkkkkkkkkkkkk." "................" "................",
    "................" "................" "................" "................" "................"
    "................" "......k..k......" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "............k..." "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................"
    "................" "................" "................" "................" "................",
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

constexpr pf::PixelMapTemplate kPictures[] = {
    {100, kPalette, kAboutPicture},
    {128, kPalette, kMainBarPictures},
    {130, kPalette, kElementBarPictures},
};

constexpr int kMainBar[] = {
    pf::kIdFileNew, pf::kIdFileOpen, pf::kIdFileSave, 0, pf::kIdEditCut, 0, pf::kIdFilePrint, 0,
    pf::kIdAppAbout,
};

// Every element type that has a command, in the order of the types.
constexpr int kElementBar[] = {
    kIdElementFirst + 0, kIdElementFirst + 1, kIdElementFirst + 4, kIdElementFirst + 5,
    kIdElementFirst + 6, kIdElementFirst + 7, kIdElementFirst + 8, kIdElementFirst + 9,
    kIdElementFirst + 10, kIdElementFirst + 11, kIdElementFirst + 12, kIdElementFirst + 13,
    kIdElementFirst + 15, kIdElementFirst + 16, kIdElementFirst + 17, kIdElementFirst + 18,
    kIdElementFirst + 19, kIdElementFirst + 20, kIdElementFirst + 21, kIdElementFirst + 22,
    kIdElementFirst + 23, kIdElementFirst + 24, kIdElementFirst + 25, kIdElementFirst + 26,
    kIdElementFirst + 27, kIdElementFirst + 28, kIdElementFirst + 29, kIdElementFirst + 30,
    kIdElementFirst + 31, kIdElementFirst + 33, kIdElementFirst + 34, kIdElementFirst + 35,
    kIdElementFirst + 36, kIdElementFirst + 37, kIdElementFirst + 38, kIdElementFirst + 39,
    kIdElementFirst + 40, kIdElementFirst + 41, kIdElementFirst + 42, kIdElementFirst + 43,
    kIdElementFirst + 44, kIdElementFirst + 45, kIdElementFirst + 46, kIdElementFirst + 47,
    kIdElementFirst + 48, kIdElementFirst + 49, kIdElementFirst + 50, kIdElementFirst + 51,
    kIdElementFirst + 52, kIdElementFirst + 53,
};

constexpr pf::ToolBarTemplate kToolBars[] = {{128, 128, 16, kMainBar}, {130, 130, 16, kElementBar}};

}  // namespace

FrameResources GetFrameResources() {
  return {kMenus, kAccelerators, kStrings, kPictures, kToolBars};
}
