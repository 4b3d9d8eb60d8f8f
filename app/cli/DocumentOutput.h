#pragma once
// `vostrane-cli render` and `print`: a circuit file drawn as its view shows it on the screen
// (PNG of the whole drawing area) or as its view prints it (one A4 page in PDF).

// Each returns the exit status: 0, or 1 when the file cannot be loaded, holds no symbol or the
// output cannot be written (the messages go to standard error and nothing is written).
int RenderDocument(const char* path, const char* pngPath);
int PrintDocument(const char* path, const char* pdfPath);
