#include "platform/qt_printer.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include "platform/app_paths.h"

namespace tavix {
namespace {

// The lists carry their own left margin in blanks; the page margin only keeps the text off the
// edge the printer cannot reach.
const QMarginsF kPageMarginsMm(15, 15, 15, 15);
constexpr double kDefaultPoints = 12;

std::string Latin1(const QString& text) { return text.toLatin1().toStdString(); }

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
        QString rest = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
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
        StartNextPage();
        CheckState();
    }

    void EndDocument() override {
        if (!painter_) return;  // nothing was printed since the last document
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
                throw PrintFailure("The PDF file " + Latin1(QDir::toNativeSeparators(path)) +
                                   " could not be written.");
            }
            if (notify_) {
                notify_("No printer is installed, so the printout was saved as a PDF file:\r\n" +
                        Latin1(QDir::toNativeSeparators(path)));
            }
        } else if (!ended || error) {
            throw PrintFailure("The printer " + Latin1(device_->printerName()) +
                               " could not take the printout.");
        }
    }

    void Abandon() override {
        if (!painter_) return;
        // Qt 6.4's CUPS engine cannot abort: what was drawn so far still goes to the queue when the
        // painter ends. Failures mostly come from a printer in an error state, which takes nothing.
        device_->abort();
        if (painter_->isActive()) painter_->end();
        painter_.reset();
        if (pdf_) {
            pdf_.reset();
            device_ = nullptr;
            QFile::remove(pdfPath_);
        }
    }

    bool ToPdf() const { return toPdf_; }
    void SetToPdf(bool toPdf) { toPdf_ = toPdf; }

  private:
    QFont CurrentFont() const {
        QFont font = fontName_.empty() ? QFont() : QFont(QString::fromLatin1(fontName_.c_str()));
        font.setPointSizeF(points_);
        return font;
    }

    double PageHeight() const { return painter_->device()->height(); }

    void StartNextPage() {
        if (!device_->newPage()) throw PrintFailure("The printer could not start a new page.");
        y_ = 0;
    }

    void EnsureStarted() {
        if (painter_) return;
        if (toPdf_) OpenPdf();
        device_->setDocName(QString::fromLatin1(documentName_.c_str()));
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(device_)) {
            painter_.reset();
            if (pdf_) {
                const QString path = pdfPath_;
                pdf_.reset();
                device_ = nullptr;
                throw PrintFailure("The PDF file " + Latin1(QDir::toNativeSeparators(path)) +
                                   " could not be created.");
            }
            throw PrintFailure("The printer " + Latin1(device_->printerName()) +
                               " could not be started. Check that it is switched on and ready.");
        }
        y_ = 0;
        CheckState();
    }

    void OpenPdf() {
        const QString folder = QFile::decodeName(PrintoutFolder().c_str());
        if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir()) {
            throw PrintFailure("The folder for PDF printouts could not be created: " +
                               Latin1(QDir::toNativeSeparators(folder)));
        }
        pdfPath_ = PrintoutFileName(documentName_, QDir(folder));
        pdf_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        pdf_->setOutputFormat(QPrinter::PdfFormat);
        pdf_->setOutputFileName(pdfPath_);
        pdf_->setPageMargins(kPageMarginsMm, QPageLayout::Millimeter);
        pdf_->setCreator("Tavix");
        device_ = pdf_.get();
    }

    void CheckState() {
        if (device_ && device_->printerState() == QPrinter::Error) {
            throw PrintFailure("The printer " + Latin1(device_->printerName()) + " reported an error.");
        }
    }

    std::string documentName_;
    QPrinter* device_;  // the chosen printer, or pdf_ while a PDF document is open
    QtPrinterProvider::Notify notify_;
    bool toPdf_ = false;
    std::unique_ptr<QPrinter> pdf_;
    QString pdfPath_;
    std::unique_ptr<QPainter> painter_;
    std::string fontName_;
    double points_ = kDefaultPoints;
    double y_ = 0;  // top of the next line, in device pixels from the top of the printable area
};

QtPrinterProvider::QtPrinterProvider(Notify notify) : notify_(std::move(notify)) {}

QtPrinterProvider::~QtPrinterProvider() = default;

Printer& QtPrinterProvider::Begin(const std::string& documentName) {
    current_.reset();
    if (QPrinterInfo::availablePrinters().isEmpty()) {
        current_ = std::make_unique<QtPrinter>(documentName, nullptr, notify_);
        current_->SetToPdf(true);
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
                Latin1(QDir::toNativeSeparators(QFile::decodeName(PrintoutFolder().c_str()))),
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
