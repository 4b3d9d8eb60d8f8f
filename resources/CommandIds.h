#pragma once
// The editor's command ids, shared by the menu and toolbar tables and the code that handles
// the commands. The framework's own commands (file, edit, view, help) are in pf/command_ids.h.

#include "resources/ElementDeclarations.h"

// The element to place: element type t (0 .. kElementTypeCount - 1) is kIdElementFirst + t.
inline constexpr int kIdElementFirst = 0x8100;

inline constexpr int kIdViewElementBar = 0x8000;

// Bearbeiten.
inline constexpr int kIdEditAsciiFile = 0x8010;
inline constexpr int kIdEditExportNetwork = 0x8011;
inline constexpr int kIdEditSpiceFile = 0x8012;
inline constexpr int kIdEditSpiceStart = 0x8013;
inline constexpr int kIdEditSpiceRawFile = 0x8014;

// Analyse.
inline constexpr int kIdAnalysisSmallSignal = 0x8020;
inline constexpr int kIdAnalysisDcOp = 0x8021;
inline constexpr int kIdAnalysisDcSweep = 0x8022;
inline constexpr int kIdAnalysisTransient = 0x8023;
inline constexpr int kIdSimulatorRavilone = 0x8024;
inline constexpr int kIdSimulatorSpice = 0x8025;
inline constexpr int kIdSpiceSettings = 0x8026;

// Service.
inline constexpr int kIdServiceCopyCircuit = 0x8030;
inline constexpr int kIdServiceLatex = 0x8031;
inline constexpr int kIdServiceMslDimensioning = 0x8032;
inline constexpr int kIdServiceSltDimensioning = 0x8033;
inline constexpr int kIdServiceMslSltTransition = 0x8034;
inline constexpr int kIdServiceCplDimensioning = 0x8035;
inline constexpr int kIdServiceSandwichSlotline = 0x8036;
inline constexpr int kIdServiceGerber = 0x8037;

// Synthese.
inline constexpr int kIdSynthesisLowPass = 0x8040;
inline constexpr int kIdSynthesisBandPass = 0x8041;
inline constexpr int kIdSynthesisMicLowPass = 0x8042;
inline constexpr int kIdSynthesisHighPass = 0x8043;
inline constexpr int kIdSynthesisBandStop = 0x8044;
inline constexpr int kIdSynthesisTrlLowPass = 0x8045;
inline constexpr int kIdSynthesisTrlHighPass = 0x8046;
inline constexpr int kIdSynthesisMslLowPass = 0x8047;

// ?
inline constexpr int kIdHelp = 0x8050;
