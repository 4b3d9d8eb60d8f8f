#include "print_dialog.h"

#include <gtk/gtk.h>
#include <gtk/gtkunixprint.h>
#include <unistd.h>
#include <wx/window.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <utility>

#include "pf/app.h"
#include "pf/pdf_print.h"
#include "pf/ui_services.h"

namespace pf {
namespace {

// Holds a reference to a GLib object for as long as it lives.
template <class T>
struct GRef {
  T* object = nullptr;
  explicit GRef(T* adopted = nullptr) : object(adopted) {}
  GRef(const GRef&) = delete;
  GRef& operator=(const GRef&) = delete;
  ~GRef() {
    if (object != nullptr) g_object_unref(object);
  }
  T* Release() { return std::exchange(object, nullptr); }
};

// The pages go into a PDF file; a printer's file is sent when the job is complete and removed
// once the printer has it.
class DesktopPrintTarget : public PrintTarget {
 public:
  DesktopPrintTarget(std::unique_ptr<PdfPrintTarget> pdf, std::string path)
      : pdf_(std::move(pdf)), path_(std::move(path)) {}
  ~DesktopPrintTarget() override {
    if (printer_.object != nullptr && !sent_) std::remove(path_.c_str());
  }

  void SendTo(GtkPrinter* printer, GtkPrintSettings* settings, GtkPageSetup* setup,
              std::string title) {
    printer_.object = GTK_PRINTER(g_object_ref(printer));
    settings_.object = GTK_PRINT_SETTINGS(g_object_ref(settings));
    setup_.object = GTK_PAGE_SETUP(g_object_ref(setup));
    title_ = std::move(title);
  }

  Dc& GetDc() override { return pdf_->GetDc(); }
  Size PageSize() const override { return pdf_->PageSize(); }
  bool EndPage() override { return pdf_->EndPage(); }
  bool Finish() override {
    if (!pdf_->Finish()) return false;
    if (printer_.object == nullptr) return true;
    GtkPrintJob* job =
        gtk_print_job_new(title_.c_str(), printer_.object, settings_.object, setup_.object);
    GError* error = nullptr;
    if (!gtk_print_job_set_source_file(job, path_.c_str(), &error)) {
      g_clear_error(&error);
      g_object_unref(job);
      return false;
    }
    sent_ = true;
    gtk_print_job_send(job, JobDone, g_strdup(path_.c_str()), g_free);
    return true;
  }

 private:
  static void JobDone(GtkPrintJob* job, gpointer path, const GError*) {
    std::remove(static_cast<const char*>(path));
    g_object_unref(job);
  }

  std::unique_ptr<PdfPrintTarget> pdf_;
  std::string path_;
  GRef<GtkPrinter> printer_;
  GRef<GtkPrintSettings> settings_;
  GRef<GtkPageSetup> setup_;
  std::string title_;
  bool sent_ = false;
};

// The file that "Print to File" names, when it is a local PDF file.
std::string OutputFile(GtkPrintSettings* settings) {
  const char* uri = gtk_print_settings_get(settings, GTK_PRINT_SETTINGS_OUTPUT_URI);
  gchar* path = uri != nullptr ? g_filename_from_uri(uri, nullptr, nullptr) : nullptr;
  std::string file = path != nullptr ? path : "";
  g_free(path);
  return file;
}

std::string TemporaryFile() {
  std::error_code ec;
  std::string path = (std::filesystem::temp_directory_path(ec) / "vostrane-druck-XXXXXX").string();
  const int fd = mkstemp(path.data());
  if (fd < 0) return {};
  close(fd);
  return path;
}

}  // namespace

std::unique_ptr<PrintTarget> ShowPrintDialog(wxWindow* parent, const std::string& documentName) {
  GtkWindow* owner = nullptr;
  if (parent != nullptr) {
    owner = GTK_WINDOW(gtk_widget_get_toplevel(static_cast<GtkWidget*>(parent->GetHandle())));
  }
  GtkWidget* dialog = gtk_print_unix_dialog_new("Drucken", owner);
  GtkPrintUnixDialog* print = GTK_PRINT_UNIX_DIALOG(dialog);
  // Our pages are A4 and come as PDF; a file is only offered as PDF.
  GRef<GtkPageSetup> setup(gtk_page_setup_new());
  GtkPaperSize* a4 = gtk_paper_size_new(GTK_PAPER_NAME_A4);
  gtk_page_setup_set_paper_size(setup.object, a4);
  gtk_paper_size_free(a4);
  gtk_print_unix_dialog_set_page_setup(print, setup.object);
  gtk_print_unix_dialog_set_manual_capabilities(print, GTK_PRINT_CAPABILITY_GENERATE_PDF);
  GRef<GtkPrintSettings> settings(gtk_print_settings_new());
  const std::string base = std::filesystem::path(documentName).stem().string();
  if (!base.empty()) gtk_print_settings_set(settings.object, GTK_PRINT_SETTINGS_OUTPUT_BASENAME, base.c_str());
  gtk_print_settings_set(settings.object, GTK_PRINT_SETTINGS_OUTPUT_FILE_FORMAT, "pdf");
  gtk_print_unix_dialog_set_settings(print, settings.object);

  const int response = gtk_dialog_run(GTK_DIALOG(dialog));
  GtkPrinter* printer = gtk_print_unix_dialog_get_selected_printer(print);
  GRef<GtkPrintSettings> chosen(response == GTK_RESPONSE_OK ? gtk_print_unix_dialog_get_settings(print)
                                                            : nullptr);
  std::unique_ptr<PrintTarget> target;
  if (chosen.object != nullptr && printer != nullptr) {
    const bool toFile = gtk_printer_is_virtual(printer);
    const std::string path = toFile ? OutputFile(chosen.object) : TemporaryFile();
    std::unique_ptr<PdfPrintTarget> pdf = path.empty() ? nullptr : PdfPrintTarget::Create(path);
    if (pdf == nullptr) {
      const App* app = App::Current();
      TheUiServices().MessageBox("Datei konnte nicht geschrieben werden: " + path,
                                 app != nullptr ? app->AppName() : "", MsgButtons::Ok,
                                 MsgIcon::Error);
    } else {
      auto desktop = std::make_unique<DesktopPrintTarget>(std::move(pdf), path);
      if (!toFile) {
        desktop->SendTo(printer, chosen.object, gtk_print_unix_dialog_get_page_setup(print),
                        documentName);
      }
      target = std::move(desktop);
    }
  }
  gtk_widget_destroy(dialog);
  return target;
}

}  // namespace pf
