#pragma once
// Documents and document templates. A document holds the data, reads and writes it through
// Serialize, and keeps the list of views that show it; a document may also live without any
// view (opened hidden, or made directly by code that only needs its data). A template makes a
// document with a child frame and a view for it.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "pf/command.h"

namespace pf {

class DocTemplate;
class MdiChildWnd;
class View;

class Document : public CommandTarget {
 public:
  // Maps Speichern, Speichern unter and Schließen.
  Document();
  ~Document() override;

  const std::string& GetTitle() const { return title_; }
  // The frames of the views are titled with it: one alone as "TITLE", several as "TITLE:1",
  // "TITLE:2", ... in the order of the views, renumbered when one goes.
  void SetTitle(std::string title);
  const std::string& GetPathName() const { return path_; }
  // Keeps the path mapped (MapWindowsPath) and makes the file's name the title.
  void SetPathName(const std::string& path);
  bool IsModified() const { return modified_; }
  // Virtual, so that a view of the state (a mark in a title) can follow every change.
  virtual void SetModifiedFlag(bool modified = true) { modified_ = modified; }

  // Empties the document for a new one.
  virtual bool OnNewDocument();
  // Reads the file through Serialize. A file that is refused (OpenRefusal), cannot be opened or
  // read (ArchiveError) leaves the document empty and returns false; the caller reports it.
  virtual bool OnOpenDocument(const std::string& path);
  // The largest file the kind of document can hold; larger ones are not read.
  virtual std::uintmax_t MaxFileBytes() const { return UINTMAX_MAX; }
  // Why the last file was not read: not a regular file, or too large (also one that grew past
  // the bound while it was read). Empty otherwise.
  const std::string& OpenRefusal() const { return openRefusal_; }
  // Whether the last file could be opened at all (one refused on opening was not).
  bool OpenedFile() const { return openedFile_; }
  // What the user is told when opening the file failed: one message, the document's own reason
  // where it has one.
  virtual std::string TakeOpenFailure(const std::string& path) {
    return openRefusal_.empty() ? "Fehler beim Öffnen der Datei " + path : openRefusal_;
  }
  // Writes through Serialize into a new file in the same folder, which then replaces the
  // target: a failed save leaves the old file as it was. A failure is reported; false.
  virtual bool OnSaveDocument(const std::string& path);
  // A modified document asks "Änderungen in TITLE speichern?" (Ja/Nein/Abbrechen); Ja saves.
  // False when the document must stay open (Abbrechen, or the save failed).
  virtual bool SaveModified();
  // Saves under the path; an empty path asks for a name (Speichern unter) with the template's
  // file type. The file becomes the document's and the first recent file. False on Cancel or
  // failure.
  bool DoSave(const std::string& path);
  bool DoFileSave() { return DoSave(path_); }
  virtual void DeleteContents() {}
  // Destroys the frames of the views and deletes the document (through its template when it
  // has one); do not touch it afterwards.
  virtual void OnCloseDocument();

  const std::vector<View*>& Views() const { return views_; }
  void AddView(View& view);
  void RemoveView(View& view);
  // Every view but the sender hears OnUpdate.
  void UpdateAllViews(View* sender, long hint = 0);
  DocTemplate* GetDocTemplate() const { return template_; }

 private:
  friend class DocTemplate;
  void TitleFrames();

  std::string title_;
  std::string path_;
  std::string openRefusal_;
  bool openedFile_ = false;
  bool modified_ = false;
  std::vector<View*> views_;
  DocTemplate* template_ = nullptr;
};

class DocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<Document>()>;
  using FrameFactory = std::function<std::unique_ptr<MdiChildWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<View>()>;

  // New documents are titled docName followed by a running number.
  DocTemplate(int resourceId, std::string docName, DocumentFactory makeDocument,
              FrameFactory makeFrame, ViewFactory makeView);
  ~DocTemplate();
  DocTemplate(const DocTemplate&) = delete;
  DocTemplate& operator=(const DocTemplate&) = delete;

  int GetResourceId() const { return resourceId_; }
  // The files of the type: extension without the dot ("vqe"), and the filter of the file
  // dialogs ("Schaltungen (*.vqe)|*.vqe|").
  void SetFileType(std::string defaultExt, std::string filter);
  const std::string& GetDefaultExt() const { return defaultExt_; }
  const std::string& GetFilter() const { return filter_; }
  // An empty path makes a new document. Visible: a child frame with a view in the
  // application's main frame, which is activated; hidden: the document alone. nullptr when the
  // file cannot be read; a visible open reports it.
  Document* OpenDocumentFile(const std::string& path, bool makeVisible = true);
  // "Neues Fenster": another child frame with a view of the document, shown and activated like
  // the first; nullptr without a main frame to hold it.
  View* OpenNewWindow(Document& document);
  const std::vector<std::unique_ptr<Document>>& Documents() const { return documents_; }
  // Deletes the document (its views must be gone).
  void RemoveDocument(Document& document);

 private:
  View* CreateFrame(Document& document);
  // The view's first update, then its frame is shown and activated.
  static void InitialUpdateFrame(View& view);

  int resourceId_;
  std::string docName_;
  std::string defaultExt_;
  std::string filter_;
  int untitled_ = 0;
  DocumentFactory makeDocument_;
  FrameFactory makeFrame_;
  ViewFactory makeView_;
  std::vector<std::unique_ptr<Document>> documents_;
};

}  // namespace pf
