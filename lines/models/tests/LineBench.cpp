#include "lines/models/tests/LineBench.h"

#include <gtest/gtest.h>

#include "basics/LineFile.h"
#include "simulator/NetContext.h"
#include "simulator/PortMatrix.h"

LineBench::LineBench(std::initializer_list<const char*> data,
                     std::initializer_list<const char*> labels) {
  LineFile text;
  for (const char* line : labels) text.AddLine(line);
  text.AddLine("DATA");
  text.AddLine("S1: MS H=0.635mm ER=9.8 MET1 = CU 0um TAND=0");
  for (const char* line : data) text.AddLine(line);
  text.AddLine("END");
  reader.SetLines(text);
  NetContext::SetReaderInUse(&reader);
  EXPECT_TRUE(reader.CheckSyntax() && reader.ReadBlocks());
  reader.BuildDataObjects();
}

std::unique_ptr<NetElement> LineBench::Build(const char* text) {
  const NetLine line(text);
  std::unique_ptr<NetElement> element(reader.CreateElement(line));
  NetLine check(line);
  if (element) element->LinkReferences(check);
  if (!element || check.GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  element->ParseLine(reader.GetLabels());
  if (element->GetLine().GetErrorCode() != 0 || element->GetErrorCode() != 0) return nullptr;
  return element;
}

std::unique_ptr<NetElement> LineBench::Accept(const char* line) {
  std::unique_ptr<NetElement> element = Build(line);
  EXPECT_NE(element, nullptr) << line << ": " << FirstMessage();
  return element;
}

Cmplx Entry(NetElement& element, int row, int col) {
  return element.GetPortMatrix()->GetAt(row, col);
}

std::string FirstMessage() { return VS_Error::GetFirstMessage().ToCString(); }
