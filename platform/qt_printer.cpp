#include "platform/qt_printer.h"
#include "platform/list_text.h"

#include "platform/twips.h"

#include <unistd.h>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <cerrno>
#include <cstring>

#include "platform/app_paths.h"

#ifdef TAVIX_HAVE_CUPS
#include <cups/cups.h>
#include <dlfcn.h>

#include <type_traits>
#endif

namespace tavix {
namespace {

// The lists carry their own left margin in blanks; the page margin only keeps the text off the
// edge the printer cannot reach.
// About the unprintable edge of an office printer: wide enough for the widest 12-point list line
// (71 characters of a fixed-pitch font) on A4 as well as on Letter paper.
const QMarginsF kPageMarginsMm(10, 12, 10, 12);
constexpr double kDefaultPoints = 12;

// A file name made of the document name and the time, without characters file systems dislike.
QString PrintoutFileName(const std::string& documentName, const QDir& folder) {
    QString base;
    for (char c : documentName) {
        const unsigned char u = static_cast<unsigned char>(c);
        const bool safe = (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9') ||
                          c == ' ' || c == '-' || c == '_' || c == '(' || c == ')' || c == '.';
        base += safe ? QChar(c) : QChar('_');
    }
    base = base.trimmed();
    while (base.startsWith('.')) base.remove(0, 1);
    if (base.isEmpty()) base = "Tavix printout";
    base += QDateTime::currentDateTime().toString(" yyyy-MM-dd HH.mm.ss");
    QString name = base + ".pdf";
    for (int n = 2; folder.exists(name); ++n) name = QString("%1 (%2).pdf").arg(base).arg(n);
    return folder.filePath(name);
}

std::unique_ptr<QPrinter> MakePrinterFor(const QPrinterInfo& info) {
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
    return printer;
}

QPrinterInfo DefaultPrinterInfo() {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        const auto all = QPrinterInfo::availablePrinters();
        if (!all.isEmpty()) info = all.first();
    }
    return info;
}

// Qt hands a document to CUPS and never looks at the answer, so a stopped or rejecting queue
// would swallow a printout without a word, and a document given up half-way would still print.
// CUPS is therefore asked about the queue before a document starts and again before it is
// handed over, and the job it made is looked up so that an abandoned document can be cancelled.
#ifdef TAVIX_HAVE_CUPS

// libcups is opened the first time a printout asks about its queue, not when the program starts:
// with the libraries it brings (TLS, Kerberos) it would otherwise cost every start a few
// milliseconds and megabytes. It is the same library Qt's print plugin opens, so its last status
// is shared. When it cannot be opened the queue is left to itself, as on a system without CUPS.
struct CupsApi {
    decltype(&::cupsCancelJob2) CancelJob2 = nullptr;
    decltype(&::cupsDoRequest) DoRequest = nullptr;
    decltype(&::cupsFreeJobs) FreeJobs = nullptr;
    decltype(&::cupsGetJobs2) GetJobs2 = nullptr;
    decltype(&::cupsLastError) LastError = nullptr;
    decltype(&::cupsLastErrorString) LastErrorString = nullptr;
    decltype(&::cupsUser) User = nullptr;
    decltype(&::httpAssembleURI) AssembleURI = nullptr;
    decltype(&::ippAddString) AddString = nullptr;
    decltype(&::ippAddStrings) AddStrings = nullptr;
    decltype(&::ippDelete) Delete = nullptr;
    decltype(&::ippFindAttribute) FindAttribute = nullptr;
    decltype(&::ippGetBoolean) GetBoolean = nullptr;
    decltype(&::ippGetInteger) GetInteger = nullptr;
    decltype(&::ippGetString) GetString = nullptr;
    decltype(&::ippNewRequest) NewRequest = nullptr;
    bool ok = false;
};

const CupsApi& Cups() {
    static const CupsApi api = [] {
        CupsApi a;
        void* lib = dlopen("libcups.so.2", RTLD_LAZY | RTLD_LOCAL);
        if (!lib) return a;
        bool all = true;
        auto load = [&](auto& fn, const char* name) {
            fn = reinterpret_cast<std::remove_reference_t<decltype(fn)>>(dlsym(lib, name));
            all = all && fn != nullptr;
        };
        load(a.CancelJob2, "cupsCancelJob2");
        load(a.DoRequest, "cupsDoRequest");
        load(a.FreeJobs, "cupsFreeJobs");
        load(a.GetJobs2, "cupsGetJobs2");
        load(a.LastError, "cupsLastError");
        load(a.LastErrorString, "cupsLastErrorString");
        load(a.User, "cupsUser");
        load(a.AssembleURI, "httpAssembleURI");
        load(a.AddString, "ippAddString");
        load(a.AddStrings, "ippAddStrings");
        load(a.Delete, "ippDelete");
        load(a.FindAttribute, "ippFindAttribute");
        load(a.GetBoolean, "ippGetBoolean");
        load(a.GetInteger, "ippGetInteger");
        load(a.GetString, "ippGetString");
        load(a.NewRequest, "ippNewRequest");
        a.ok = all;
        return a;
    }();
    return api;
}

// CUPS knows a queue by its name without the instance ("PDF" of "PDF/duplex").
std::string QueueName(const QString& printerName) {
    return printerName.section('/', 0, 0).toLocal8Bit().toStdString();
}

std::string CupsText(const char* text) { return text ? std::string(text) : std::string(); }

// Throws PrintFailure when the queue cannot take a printout now.
void CheckQueueReady(const std::string& queue) {
    const CupsApi& cups = Cups();
    if (!cups.ok) return;
    char uri[HTTP_MAX_URI];
    cups.AssembleURI(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", 0,
                     ("/printers/" + queue).c_str());
    ipp_t* request = cups.NewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.AddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    cups.AddString(request, IPP_TAG_OPERATION, IPP_TAG_NAME, "requesting-user-name", nullptr, cups.User());
    static const char* const kWanted[] = {"printer-state", "printer-state-message",
                                          "printer-is-accepting-jobs"};
    cups.AddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", 3, nullptr, kWanted);
    ipp_t* response = cups.DoRequest(CUPS_HTTP_DEFAULT, request, "/");
    const ipp_status_t status = cups.LastError();
    const std::string why = CupsText(cups.LastErrorString());

    if (status == IPP_STATUS_ERROR_NOT_FOUND) {
        cups.Delete(response);
        throw PrintFailure("The printer " + queue +
                           " is no longer installed. Choose another one with File, Printer Setup.");
    }
    if (!response) {
        // Without an answer the printout could not be handed over either.
        if (status == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE || status == IPP_STATUS_ERROR_INTERNAL) {
            throw PrintFailure("The printing system does not answer (" + why + "), so the printer " + queue +
                               " cannot take the printout.");
        }
        return;  // an answer we cannot read: leave it to the queue
    }
    int state = IPP_PSTATE_IDLE;
    bool accepting = true;
    std::string message;
    if (ipp_attribute_t* a = cups.FindAttribute(response, "printer-state", IPP_TAG_ENUM))
        state = cups.GetInteger(a, 0);
    if (ipp_attribute_t* a = cups.FindAttribute(response, "printer-is-accepting-jobs", IPP_TAG_BOOLEAN))
        accepting = cups.GetBoolean(a, 0) != 0;
    if (ipp_attribute_t* a = cups.FindAttribute(response, "printer-state-message", IPP_TAG_TEXT))
        message = CupsText(cups.GetString(a, 0, nullptr));
    cups.Delete(response);

    const std::string says = message.empty() ? std::string() : " (it says \"" + message + "\")";
    if (!accepting) {
        throw PrintFailure("The printer " + queue + " is not accepting jobs" + says +
                           ": let it accept them again in the printer settings, then print once more.");
    }
    if (state == IPP_PSTATE_STOPPED) {
        throw PrintFailure("The printer " + queue + " is stopped" + says +
                           ": it would hold the printout until it is started again. Start it in the printer "
                           "settings, then print once more.");
    }
}

// The job of this user on the queue with a number above `after`: the one titled `title` if there
// is one, otherwise the newest. 0 when there is none.
int FindJob(const std::string& queue, int after, const std::string& title) {
    const CupsApi& cups = Cups();
    if (!cups.ok) return 0;
    cups_job_t* jobs = nullptr;
    const int count = cups.GetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue.c_str(), 1, CUPS_WHICHJOBS_ALL);
    int found = 0;
    bool foundTitled = false;
    for (int i = 0; i < count; ++i) {
        if (jobs[i].id <= after) continue;
        const bool titled = jobs[i].title && title == jobs[i].title;
        if ((titled && !foundTitled) || (titled == foundTitled && jobs[i].id > found)) {
            found = jobs[i].id;
            foundTitled = titled;
        }
    }
    cups.FreeJobs(count, jobs);
    return found;
}

#endif  // TAVIX_HAVE_CUPS

}  // namespace

namespace {

// Why files cannot be made in `folder`, as ": /tmp/x: No such file or directory"; empty when they can.
std::string FolderTrouble(const QString& folder) {
    const QByteArray path = QFile::encodeName(folder);
    if (::access(path.constData(), W_OK | X_OK) == 0) return std::string();
    const int error = errno;
    return ": " + ToLatin1(QDir::toNativeSeparators(folder)) + ": " + std::strerror(error);
}

}  // namespace

// One job: documents on the chosen printer, or one PDF file per document.
class QtPrinter : public Printer {
  public:
    QtPrinter(std::string documentName, QPrinter* device, QtPrinterProvider::Notify notify)
        : documentName_(std::move(documentName)), device_(device), notify_(std::move(notify)) {}
    ~QtPrinter() override {
        // A job left half-way (the caller gave up without saying so) is dropped, not printed.
        if (painter_) Abandon();
    }

    void SetFontName(const std::string& name) override { fontName_ = name; }
    void SetFontSize(double points) override { points_ = points > 0 ? points : kDefaultPoints; }

    void PrintLine(const std::string& text) override {
        EnsureStarted();
        const QFont font = CurrentFont();
        painter_->setFont(font);
        const QFontMetricsF metrics(font, painter_->device());
        // Nothing is ever cut: a line wider than the paper goes on below, indented under its start.
        QString rest = Latin1(text);
        const double width = painter_->device()->width();
        do {
            QString piece = rest;
            rest.clear();
            if (metrics.horizontalAdvance(piece) > width) {
                qsizetype fit = piece.size();
                while (fit > 1 && metrics.horizontalAdvance(piece.left(fit)) > width) --fit;
                qsizetype blank = piece.lastIndexOf(' ', fit - 1);
                qsizetype indent = 0;
                while (indent < piece.size() && piece[indent] == ' ') ++indent;
                if (blank > indent) fit = blank + 1;
                QString continuation(indent + 2, ' ');
                // On paper too narrow for the indent the remainder starts at the margin, so every
                // round still prints something and the loop ends.
                if (metrics.horizontalAdvance(continuation + QString(10, 'M')) > width) continuation.clear();
                rest = continuation + piece.mid(fit).trimmed();
                piece = piece.left(fit);
                if (rest.trimmed().isEmpty()) rest.clear();
            }
            if (keepWhole_)
                page_.push_back({piece, font});
            else
                DrawOneLine(piece, metrics);
        } while (!rest.isEmpty());
        CheckState();
    }

    void DrawOneLine(const QString& text, const QFontMetricsF& metrics) {
        const double height = metrics.lineSpacing();
        // A full page goes out by itself, as paper would.
        if (y_ > 0 && y_ + height > PageHeight()) StartNextPage();
        if (!text.isEmpty()) painter_->drawText(QPointF(0, y_ + metrics.ascent()), text);
        y_ += height;
    }

    void NewPage() override {
        EnsureStarted();
        DrawKeptPage();
        StartNextPage();
        CheckState();
    }

    void KeepPagesWhole() override { keepWhole_ = true; }

    void EndDocument() override {
        if (!painter_) return;  // nothing was printed since the last document
        DrawKeptPage();
        // A queue stopped while the pages were drawn would hold them without a word.
        if (!pdf_) CheckQueue();
        const bool ended = painter_->end();
        painter_.reset();
        const bool error = device_->printerState() == QPrinter::Error;
        if (pdf_) {
            const QString path = pdfPath_;
            pdf_.reset();
            device_ = nullptr;
            const QFileInfo written(path);
            if (!ended || error || !written.exists() || written.size() == 0) {
                QFile::remove(path);
                throw PrintFailure("The PDF file " + ToLatin1(QDir::toNativeSeparators(path)) +
                                   " could not be written.");
            }
            written_ << path;
        } else {
            const std::string refusal = HandedOver();
            if (!refusal.empty()) {
                throw PrintFailure("The printer " + ToLatin1(device_->printerName()) +
                                   " did not take the printout: " + refusal + ".");
            }
            if (!ended || error) {
                throw PrintFailure("The printer " + ToLatin1(device_->printerName()) +
                                   " could not take the printout.");
            }
        }
    }

    // One printout, one message, however many documents it was split into.
    void EndJob() override {
        if (written_.isEmpty() || !notify_) return;
        std::string message = written_.size() == 1
                                  ? "No printer is installed, so the printout was saved as a PDF file:"
                                  : "No printer is installed, so the printout was saved as " +
                                        std::to_string(written_.size()) + " PDF files:";
        for (const QString& path : written_) message += "\r\n" + ToLatin1(QDir::toNativeSeparators(path));
        written_.clear();
        notify_(message);
    }

    void Abandon() override {
        page_.clear();
        if (!painter_) return;
        // Qt 6.4's CUPS engine cannot abort: what was drawn so far goes to the queue when the
        // painter ends, so the job it makes is cancelled right after.
        device_->abort();
        if (painter_->isActive()) painter_->end();
        painter_.reset();
        if (pdf_) {
            pdf_.reset();
            device_ = nullptr;
            QFile::remove(pdfPath_);
            return;
        }
        CancelHandedOver();
    }

    // The CUPS job of the last document handed over (or cancelled); 0 when none is known.
    int JobId() const { return jobId_; }

    bool ToPdf() const { return toPdf_; }
    void SetToPdf(bool toPdf, QPageSize::PageSizeId paper) {
        toPdf_ = toPdf;
        pdfPaper_ = paper;
    }

  private:
    QFont CurrentFont() const {
        // With no font chosen yet the printer keeps its own default, which for lists of columns is a
        // fixed-pitch face, as a line printer's built-in font is.
        if (fontName_.empty()) return FixedPitchFont(points_);
        QFont font(Latin1(fontName_));
        font.setPointSizeF(points_);
        return font;
    }

    double PageHeight() const { return painter_->device()->height(); }

    // Draws the page kept so far on the current sheet. A page taller than the sheet is drawn
    // smaller, line spacing and letters alike, so that it fits whole and every line keeps its
    // place and width; only a "page" more than half again too tall (a list the rule never
    // broke) goes on over further sheets instead, as it would be unreadable squeezed onto one.
    void DrawKeptPage() {
        std::vector<KeptLine> lines;
        lines.swap(page_);
        if (lines.empty()) return;
        double height = 0;
        for (const KeptLine& line : lines)
            height += QFontMetricsF(line.font, painter_->device()).lineSpacing();
        const double room = PageHeight() - y_;
        const double factor = height > room ? room / height : 1.0;
        if (factor < kSmallestFit) {
            for (const KeptLine& line : lines) {
                painter_->setFont(line.font);
                DrawOneLine(line.text, QFontMetricsF(line.font, painter_->device()));
            }
            return;
        }
        painter_->save();
        painter_->translate(0, y_);
        painter_->scale(factor, factor);
        double y = 0;
        for (const KeptLine& line : lines) {
            const QFontMetricsF metrics(line.font, painter_->device());
            painter_->setFont(line.font);
            if (!line.text.isEmpty()) painter_->drawText(QPointF(0, y + metrics.ascent()), line.text);
            y += metrics.lineSpacing();
        }
        painter_->restore();
        y_ += height * factor;
    }

    void StartNextPage() {
        if (!device_->newPage()) throw PrintFailure("The printer could not start a new page.");
        y_ = 0;
    }

    void EnsureStarted() {
        if (painter_) return;
        if (toPdf_) {
            OpenPdf();
        } else {
            CheckQueue();
            NoteJobsSoFar();
        }
        device_->setDocName(Latin1(documentName_));
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(device_)) {
            painter_.reset();
            if (pdf_) {
                const QString path = pdfPath_;
                pdf_.reset();
                device_ = nullptr;
                throw PrintFailure("The PDF file " + ToLatin1(QDir::toNativeSeparators(path)) +
                                   " could not be created" + FolderTrouble(QFileInfo(path).absolutePath()) +
                                   ".");
            }
            // The printout is spooled through the folder for temporary files first; when that is
            // missing the printer itself is not to blame.
            const std::string spool = FolderTrouble(QDir::tempPath());
            if (!spool.empty()) {
                throw PrintFailure("The printout for the printer " + ToLatin1(device_->printerName()) +
                                   " could not be prepared in the folder for temporary files (TMPDIR)" +
                                   spool + ".");
            }
            throw PrintFailure("The printer " + ToLatin1(device_->printerName()) +
                               " could not be started. Check that it is switched on and ready.");
        }
        y_ = 0;
        CheckState();
    }

    void OpenPdf() {
        const QString folder = QFile::decodeName(PrintoutFolder().c_str());
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
            throw PrintFailure("The folder for PDF printouts could not be created: " +
                               ToLatin1(QDir::toNativeSeparators(folder)) + FolderTrouble(folder));
        }
        pdfPath_ = PrintoutFileName(documentName_, QDir(folder));
        pdf_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf_->setOutputFormat(QPrinter::PdfFormat);
        pdf_->setOutputFileName(pdfPath_);
        pdf_->setPageSize(QPageSize(pdfPaper_));
        pdf_->setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
        pdf_->setCreator("Tavix");
        device_ = pdf_.get();
    }

    // The queue's side of a document: checked before it starts and before it is handed over; the
    // job it became is found afterwards.
    void CheckQueue() {
#ifdef TAVIX_HAVE_CUPS
        CheckQueueReady(QueueName(device_->printerName()));
#endif
    }

    void NoteJobsSoFar() {
#ifdef TAVIX_HAVE_CUPS
        jobsBefore_ = FindJob(QueueName(device_->printerName()), 0, std::string());
#endif
    }

    // Right after the painter ended: why CUPS refused the document (empty when it took it), and
    // the number of the job it made.
    std::string HandedOver() {
        jobId_ = 0;
#ifdef TAVIX_HAVE_CUPS
        // Qt's print plugin uses this same CUPS library on this thread, so the status of its
        // hand-over is still the last one; it must be read before any other request.
        const CupsApi& cups = Cups();
        if (!cups.ok) return std::string();
        const ipp_status_t status = cups.LastError();
        const std::string why = CupsText(cups.LastErrorString());
        jobId_ = FindJob(QueueName(device_->printerName()), jobsBefore_, documentName_);
        if (status > IPP_STATUS_OK_EVENTS_COMPLETE && jobId_ == 0) return why.empty() ? "refused" : why;
#endif
        return std::string();
    }

    void CancelHandedOver() {
#ifdef TAVIX_HAVE_CUPS
        const std::string queue = QueueName(device_->printerName());
        jobId_ = FindJob(queue, jobsBefore_, documentName_);
        if (jobId_ > 0) Cups().CancelJob2(CUPS_HTTP_DEFAULT, queue.c_str(), jobId_, 0);
#endif
    }

    void CheckState() {
        if (device_ && device_->printerState() == QPrinter::Error) {
            throw PrintFailure("The printer " + ToLatin1(device_->printerName()) + " reported an error.");
        }
    }

    struct KeptLine {
        QString text;
        QFont font;
    };
    static constexpr double kSmallestFit = 0.66;

    std::string documentName_;
    QPrinter* device_;  // the chosen printer, or pdf_ while a PDF document is open
    QtPrinterProvider::Notify notify_;
    bool toPdf_ = false;
    QPageSize::PageSizeId pdfPaper_ = QPageSize::A4;
    std::unique_ptr<QPrinter> pdf_;
    QString pdfPath_;
    std::unique_ptr<QPainter> painter_;
    std::string fontName_;
    double points_ = kDefaultPoints;
    double y_ = 0;        // top of the next line, in device pixels from the top of the printable area
    int jobsBefore_ = 0;  // the newest CUPS job on the queue when the document started
    int jobId_ = 0;
    bool keepWhole_ = false;
    std::vector<KeptLine> page_;  // the lines of the page being kept whole, not drawn yet
    QStringList written_;         // the PDF files of this job
};

QtPrinterProvider::QtPrinterProvider(Notify notify)
    : notify_(std::move(notify)),
      // The paper of the country the system is set up for: Letter with United States measures.
      pdfPaper_(QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                                   : QPageSize::A4) {}

void QtPrinterProvider::SetPdfPaper(QPageSize::PageSizeId paper) { pdfPaper_ = paper; }

QtPrinterProvider::~QtPrinterProvider() = default;

Printer& QtPrinterProvider::Begin(const std::string& documentName) {
    current_.reset();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        current_ = std::make_unique<QtPrinter>(documentName, nullptr, notify_);
        current_->SetToPdf(true, pdfPaper_);
        return *current_;
    }
    // Until Printer Setup chose one, each job goes to whatever is the default printer now.
    if (!chosen_ || QPrinterInfo::printerInfo(chosen_->printerName()).isNull()) {
        chosen_ = MakePrinterFor(DefaultPrinterInfo());
        chosenBySetup_ = false;
    } else if (!chosenBySetup_) {
        const QPrinterInfo info = DefaultPrinterInfo();
        if (info.printerName() != chosen_->printerName()) chosen_ = MakePrinterFor(info);
    }
    current_ = std::make_unique<QtPrinter>(documentName, chosen_.get(), notify_);
    return *current_;
}

int QtPrinterProvider::LastJobId() const { return current_ ? current_->JobId() : 0; }

QString QtPrinterProvider::CurrentPrinterName() const {
    if (QPrinterInfo::availablePrinters().isEmpty()) return QString();
    if (chosen_ && chosenBySetup_) return chosen_->printerName();
    return DefaultPrinterInfo().printerName();
}

bool QtPrinterProvider::RunPrinterSetup(QWidget* parent, Dialogs& dialogs) {
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        dialogs.Show(
            "No printer is installed on this computer.\r\nUntil one is, every printout is saved as a "
            "PDF file in the folder\r\n" +
                ToLatin1(QDir::toNativeSeparators(QFile::decodeName(PrintoutFolder().c_str()))),
            "Printer Setup", Buttons::Ok, Icon::Information);
        return false;
    }
    std::unique_ptr<QPrinter> fresh;
    QPrinter* target = chosenBySetup_ && chosen_ ? chosen_.get() : nullptr;
    if (!target) {
        fresh = MakePrinterFor(DefaultPrinterInfo());
        target = fresh.get();
    }
    // The dialog only writes its settings into the printer when the user accepts.
    QPrintDialog dialog(target, parent);
    dialog.setWindowTitle("Printer Setup");
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
    // This only chooses the printer; nothing is printed when it closes.
    for (QDialogButtonBox* box : dialog.findChildren<QDialogButtonBox*>()) {
        if (QPushButton* ok = box->button(QDialogButtonBox::Ok)) ok->setText("OK");
    }
    if (dialog.exec() != QDialog::Accepted) return false;
    if (fresh) chosen_ = std::move(fresh);
    chosenBySetup_ = true;
    return true;
}

}  // namespace tavix
