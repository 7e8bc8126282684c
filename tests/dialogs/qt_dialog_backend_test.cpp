#include "dialogs/QtDialogBackend.h"

#include <QApplication>
#include <QColorDialog>
#include <QElapsedTimer>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {
// Calls `act` with the next modal dialog of type T to come up (looked for every 20 ms, for at
// most 10 s), as a person would answer it.
template <typename T>
void answerNext(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act, tries] {
        if (T* dialog = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(dialog);
        } else if (++*tries > 500) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(20);
}

// Types `name` into the dialog's name box, as a person would; selectFile alone does not reach
// the name box before the folder has been read.
void typeName(QFileDialog* dialog, const QString& name)
{
    QLineEdit* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
}

void touch(const QString& path)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
}

struct RealDialogs : ::testing::Test {
    QWidget owner;
    QTemporaryDir dir;
    void SetUp() override
    {
        owner.resize(200, 100);
        owner.show();
        ASSERT_TRUE(dir.isValid());
    }
};
}

TEST_F(RealDialogs, OpenShowsTheRequestAndReturnsTheChosenFile)
{
    QtDialogBackend backend;
    const QString song = dir.filePath(QStringLiteral("my song.mp3"));
    touch(song);
    FileRequest request;
    request.title = QStringLiteral("Open");
    request.directory = dir.path();
    request.filters = {{QStringLiteral("MP3 Files(*.mp3)"), QStringLiteral("*.mp3")},
                       {QStringLiteral("All Files(*.*)"), QStringLiteral("*.*")}};
    QStringList seenFilters;
    QString seenTitle;
    QWidget* seenParent = nullptr;
    Qt::WindowModality seenModality = Qt::NonModal;
    QFileDialog::FileMode seenMode = QFileDialog::AnyFile;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        seenFilters = d->nameFilters();
        seenTitle = d->windowTitle();
        seenParent = d->parentWidget();
        seenModality = d->windowModality();
        seenMode = d->fileMode();
        typeName(d, song);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getOpenFileName(&owner, request), std::optional<QString>(song));
    EXPECT_EQ(seenFilters, (QStringList{QStringLiteral("MP3 Files(*.mp3) (*.mp3)"), QStringLiteral("All Files(*.*) (*)")}));
    EXPECT_EQ(seenTitle, QStringLiteral("Open"));
    EXPECT_EQ(seenParent, &owner);
    EXPECT_EQ(seenModality, Qt::WindowModal);
    EXPECT_EQ(seenMode, QFileDialog::ExistingFile);

    answerNext<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(backend.getOpenFileName(&owner, request), std::nullopt);
}

TEST_F(RealDialogs, SaveStartsEmptyAndAsksBeforeReplacingAFile)
{
    QtDialogBackend backend;
    const QString existing = dir.filePath(QStringLiteral("ring.mp3"));
    touch(existing);
    FileRequest request;
    request.title = QStringLiteral("Save");
    request.directory = dir.path() + QLatin1Char('/');
    request.filters = {{QStringLiteral("MP3 Files(*.mp3)"), QStringLiteral("*.mp3")},
                       {QStringLiteral("WAV Files(*.wav)"), QStringLiteral("*.wav")}};

    // A new name: no question.
    QString nameBox = QStringLiteral("?");
    QString selectedFilter;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        if (auto* edit = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            nameBox = edit->text();
        selectedFilter = d->selectedNameFilter();
        typeName(d, dir.filePath(QStringLiteral("new.mp3")));
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::optional<QString>(dir.filePath(QStringLiteral("new.mp3"))));
    EXPECT_TRUE(nameBox.isEmpty());
    EXPECT_EQ(selectedFilter, QStringLiteral("MP3 Files(*.mp3)"));  // shown without the pattern part

    // An existing name: "No" keeps the dialog open (then cancelled), "Yes" takes the name.
    int questions = 0;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        answerNext<QMessageBox>([&](QMessageBox* box) {
            ++questions;
            box->button(QMessageBox::No)->click();
        });
        typeName(d, existing);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::nullopt);
    EXPECT_EQ(questions, 1);

    answerNext<QFileDialog>([&](QFileDialog* d) {
        answerNext<QMessageBox>([&](QMessageBox* box) {
            ++questions;
            box->button(QMessageBox::Yes)->click();
        });
        typeName(d, existing);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::optional<QString>(existing));
    EXPECT_EQ(questions, 2);

    // Only a caller that says so replaces without asking.
    request.confirmOverwrite = false;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        typeName(d, existing);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::optional<QString>(existing));
    EXPECT_EQ(questions, 2);
}

TEST_F(RealDialogs, ColourDialogStartsWithBlackCustomColours)
{
    QtDialogBackend backend;
    QColorDialog::setCustomColor(0, Qt::red);
    QColorDialog::setCustomColor(15, Qt::green);
    bool allBlack = false;
    QColor shown;
    answerNext<QColorDialog>([&](QColorDialog* d) {
        allBlack = true;
        for (int i = 0; i < QColorDialog::customCount(); ++i)
            allBlack = allBlack && QColorDialog::customColor(i) == QColor(Qt::black);
        shown = d->currentColor();
        d->setCurrentColor(QColor(1, 2, 3));
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getColor(&owner, QColor(200, 100, 50), true), std::optional<QColor>(QColor(1, 2, 3)));
    EXPECT_TRUE(allBlack);
    EXPECT_EQ(shown, QColor(200, 100, 50));

    answerNext<QColorDialog>([](QColorDialog* d) { d->reject(); });
    EXPECT_EQ(backend.getColor(&owner, Qt::white, false), std::nullopt);
}

TEST_F(RealDialogs, FontDialogTakesTheRequestAndReturnsPoints)
{
    QtDialogBackend backend;
    FontRequest request;
    request.family = QStringLiteral("DejaVu Sans");
    request.pixelHeight = 16;
    request.bold = true;
    bool shownBold = false;
    answerNext<QFontDialog>([&](QFontDialog* d) {
        shownBold = d->currentFont().bold();
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(14);
        f.setItalic(true);
        d->setCurrentFont(f);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    const std::optional<FontChoice> choice = backend.getFont(&owner, request);
    ASSERT_TRUE(choice.has_value());
    EXPECT_TRUE(shownBold);
    EXPECT_DOUBLE_EQ(choice->pointSize, 14.0);
    EXPECT_TRUE(choice->italic);
    EXPECT_FALSE(choice->family.isEmpty());

    answerNext<QFontDialog>([](QFontDialog* d) { d->reject(); });
    EXPECT_FALSE(backend.getFont(nullptr, request).has_value());
}

TEST_F(RealDialogs, FolderDialogReturnsTheChosenFolder)
{
    QtDialogBackend backend;
    QString title;
    bool dirsOnly = false;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        title = d->windowTitle();
        dirsOnly = d->fileMode() == QFileDialog::Directory;
        d->setDirectory(dir.path());
        typeName(d, dir.path());
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getExistingDirectory(&owner, QStringLiteral("Where to?")), std::optional<QString>(dir.path()));
    EXPECT_EQ(title, QStringLiteral("Where to?"));
    EXPECT_TRUE(dirsOnly);

    answerNext<QFileDialog>([](QFileDialog* d) { d->reject(); });
    EXPECT_EQ(backend.getExistingDirectory(&owner, QString()), std::nullopt);
}

TEST_F(RealDialogs, PrinterDialogsOpenOnlyWhereThereIsAPrinter)
{
    QtDialogBackend none([] { return false; });
    EXPECT_FALSE(none.print(&owner));      // returns at once: nothing to answer
    EXPECT_FALSE(none.pageSetup(&owner));

    QtDialogBackend some([] { return true; });
    bool noPrintToFile = false;
    answerNext<QPrintDialog>([&](QPrintDialog* d) {
        noPrintToFile = !d->testOption(QAbstractPrintDialog::PrintToFile) &&
                        !d->testOption(QAbstractPrintDialog::PrintSelection);
        d->reject();
    });
    EXPECT_FALSE(some.print(&owner));
    EXPECT_TRUE(noPrintToFile);
    answerNext<QPageSetupDialog>([](QPageSetupDialog* d) { d->accept(); });
    EXPECT_TRUE(some.pageSetup(&owner));
    answerNext<QPageSetupDialog>([](QPageSetupDialog* d) { d->reject(); });
    EXPECT_FALSE(some.pageSetup(&owner));
}

TEST_F(RealDialogs, DefaultPrinterCheckNeverCrashes)
{
    // Whatever this machine has: no printer gives false at once; a printer gives a dialog.
    QtDialogBackend backend;
    const bool anyPrinter = !QPrinterInfo::availablePrinterNames().isEmpty();
    if (anyPrinter)
        answerNext<QDialog>([](QDialog* d) { d->reject(); });
    EXPECT_FALSE(backend.print(&owner));
    if (anyPrinter)
        answerNext<QDialog>([](QDialog* d) { d->reject(); });
    EXPECT_FALSE(backend.pageSetup(&owner));
}

TEST_F(RealDialogs, SaveReturnsANameWithQuotesExactlyAsTypedAndAsksAboutThatFile)
{
    QtDialogBackend backend;
    FileRequest request;
    request.title = QStringLiteral("Save As");
    request.directory = dir.path();
    request.filters = {{QStringLiteral("M4R Files(*.m4r)"), QStringLiteral("*.m4r")}};
    const QString typed = QStringLiteral("we\"ird\\name $(x).m4r");
    answerNext<QFileDialog>([&](QFileDialog* d) {
        typeName(d, typed);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::optional<QString>(dir.filePath(typed)));

    // Replacing is asked about the file typed, not about the part Qt would have read.
    touch(dir.filePath(typed));
    touch(dir.filePath(QStringLiteral("ird\\name $(x).m4r")));
    QString asked;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        answerNext<QMessageBox>([&](QMessageBox* box) {
            asked = box->text();
            box->button(QMessageBox::Yes)->click();
        });
        // Typed into the focused name box, as a person types it (Qt rewrites an unfocused box).
        QApplication::setActiveWindow(d);
        d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setFocus();
        typeName(d, typed);
        static_cast<QDialog*>(d)->accept();  // QFileDialog::accept is protected; same override
    });
    EXPECT_EQ(backend.getSaveFileName(&owner, request), std::optional<QString>(dir.filePath(typed)));
    EXPECT_TRUE(asked.startsWith(typed + QStringLiteral(" already exists."))) << asked.toStdString();
}

TEST_F(RealDialogs, TheOpenDialogShowsSizesAndTypesWhole)
{
    QtDialogBackend backend;
    touch(dir.filePath(QStringLiteral("a rather long name of a song that someone recorded.mp3")));
    FileRequest request;
    request.directory = dir.path();
    request.filters = {{QStringLiteral("All Files(*.*)"), QStringLiteral("*.*")}};
    bool checked = false;
    answerNext<QFileDialog>([&](QFileDialog* d) {
        auto* tree = d->findChild<QTreeView*>(QStringLiteral("treeView"));
        ASSERT_NE(tree, nullptr);
        // The folder is read in the background: wait for its entry to be listed.
        QElapsedTimer waited;
        waited.start();
        while (tree->model()->rowCount(tree->rootIndex()) == 0 && waited.elapsed() < 10000)
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        ASSERT_GT(tree->model()->rowCount(tree->rootIndex()), 0);
        QApplication::processEvents();
        EXPECT_TRUE(tree->isVisible());  // the detail view, with its columns
        const QHeaderView* header = tree->header();
        ASSERT_GE(header->count(), 3);
        for (int column = 1; column < 3; ++column) {
            SCOPED_TRACE(column);
            int needed = header->fontMetrics().horizontalAdvance(
                tree->model()->headerData(column, Qt::Horizontal).toString());
            for (int row = 0; row < tree->model()->rowCount(tree->rootIndex()); ++row) {
                const QString text = tree->model()->index(row, column, tree->rootIndex()).data().toString();
                needed = std::max(needed, tree->fontMetrics().horizontalAdvance(text));
            }
            EXPECT_GE(header->sectionSize(column), needed);
        }
        // Every column fits in the view: none is pushed out of sight.
        EXPECT_LE(header->length(), tree->viewport()->width() + 1);
        checked = true;
        d->reject();
    });
    EXPECT_EQ(backend.getOpenFileName(&owner, request), std::nullopt);
    EXPECT_TRUE(checked);
}
