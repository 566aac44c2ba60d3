#include "viewer/BookReader.h"

#include "document/AppDirectories.h"
#include "document/BookDocument.h"
#include "document/ParseNumber.h"
#include "document/PicturePath.h"
#include "document/ReadingStateFile.h"
#include "document/TextLimits.h"
#include "viewer/PageView.h"
#include "viewer/ReadingParametersDialog.h"

BookReader::BookReader(QObject *parent) : QObject(parent)
{
    connect(&timer_, &QTimer::timeout, this, &BookReader::OnAutoBrowseTick);
}

BookReader::~BookReader() = default;

void BookReader::SetBook(const BookDocument *book)
{
    book_ = book;
    if (PageCount() == 0 && view_)
        view_->ShowNoPicture();
    emit bookChanged();
}

int BookReader::PageCount() const { return book_ ? UsablePageCount(*book_) : 0; }

void BookReader::ShowCurrentPage()
{
    const int count = PageCount();
    currentPage_ = NormalisedPage(currentPage_, count);
    if (count == 0) {
        if (view_)
            view_->ShowNoPicture();
        return;
    }
    ShowPage(currentPage_);
    TellViewWhatComesNext();
}

void BookReader::ShowPage(int page)
{
    if (!view_)
        return;
    QString path = ExpandPicturePath(book_->pictures.at(page).path);
    if (path.size() > kMaxPathLength)
        path.clear();
    view_->ShowPicture(path);
}

void BookReader::TellViewWhatComesNext()
{
    if (!view_)
        return;
    // Reading goes forward far more often than back; the jump target comes
    // last because jumps are the rarest turn.
    const int count = PageCount();
    QStringList paths;
    for (PageMove move : {PageMove::Next, PageMove::Previous, PageMove::JumpForward}) {
        const int page = PageAfterMove(move, currentPage_, step_, count);
        if (page == currentPage_)
            continue;
        const QString path = ExpandPicturePath(book_->pictures.at(page).path);
        if (path.size() <= kMaxPathLength && !paths.contains(path))
            paths.append(path);
    }
    view_->ExpectPictures(paths);
}

void BookReader::Move(PageMove move)
{
    const int count = PageCount();
    if (count == 0)
        return;
    currentPage_ = PageAfterMove(move, currentPage_, step_, count);
    ShowCurrentPage();
}

bool BookReader::Navigate(PageMove move)
{
    if (PageCount() == 0 || !IsReadMode())
        return false;
    Move(move);
    UpdatePageBox();
    return true;
}

void BookReader::UpdatePageBox() { emit pageChanged(currentPage_, PageCount()); }

QString PageBoxText(int currentPage, int pageCount)
{
    return pageCount > 0 ? QString::asprintf("%i/%i", currentPage + 1, pageCount) : QStringLiteral("0/0");
}

bool BookReader::ToggleAutoBrowse()
{
    if (PageCount() == 0 || !IsReadMode())
        return false;
    if (autoBrowsing_) {
        StopAutoBrowse();
    } else {
        autoBrowsing_ = true;
        timer_.start(AutoBrowseIntervalMs(speed_));
        emit autoBrowseStarted();
    }
    return true;
}

void BookReader::StopAutoBrowse()
{
    const bool wasBrowsing = autoBrowsing_;
    autoBrowsing_ = false;
    timer_.stop();
    if (wasBrowsing)
        emit autoBrowseStopped();
}

void BookReader::OnAutoBrowseTick()
{
    // A speed of 0 or less stops the ticks but leaves the flag on, so the
    // reading bar goes on showing auto-browse as running until switched off.
    if (speed_ <= 0) {
        timer_.stop();
        return;
    }
    NextPage();
    UpdatePageBox();
}

void BookReader::OnRedisplay(QStringView typedZoom, QStringView typedPage)
{
    if (view_)
        view_->ApplyTypedZoom(typedZoom);
    if (!book_)
        return;
    const std::optional<int> page = TypedPageTarget(typedPage.left(kMaxLineBoxLength), currentPage_, PageCount());
    if (!page)
        return;
    currentPage_ = *page;
    ShowCurrentPage();
    UpdatePageBox();
}

bool BookReader::OnReadingParameters(QWidget *owner)
{
    ReadingParametersDialog dialog(owner);
    dialog.SetValues(step_, speed_, view_ && view_->BorderShown(), view_ && view_->Centred());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyReadingParameters(dialog.StepText(), dialog.SpeedText(), dialog.BorderChecked(), dialog.CentreChecked());
    return true;
}

void BookReader::ApplyReadingParameters(QStringView stepText, QStringView speedText, bool border, bool centre)
{
    if (const std::optional<std::int32_t> step = ParseNumber(stepText.left(kMaxLineBoxLength)))
        step_ = *step;
    if (const std::optional<std::int32_t> speed = ParseNumber(speedText.left(kMaxLineBoxLength)))
        speed_ = *speed;
    if (view_)
        view_->SetBorderAndCentre(border, centre);
    if (autoBrowsing_) {
        timer_.stop();
        timer_.start(AutoBrowseIntervalMs(speed_));
    }
}

void BookReader::OnIdle()
{
    if (autoBrowsing_ && !IsReadMode())
        StopAutoBrowse();
}

bool BookReader::SaveReadingState() const
{
    if (!book_)
        return false;
    return SaveReadingStateFile(DataDirectory(), book_->bookId, ReadingState{currentPage_, speed_, step_});
}

bool BookReader::LoadReadingState()
{
    if (!book_)
        return false;
    ReadingState state{currentPage_, speed_, step_};
    if (!LoadReadingStateFile(DataDirectory(), book_->bookId, state))
        return false;
    currentPage_ = state.page;
    speed_ = state.speed;
    step_ = state.step;
    return true;
}
