#include "viewer/BookReader.h"

#include "document/AppDirectories.h"
#include "document/BookDocument.h"
#include "document/ParseNumber.h"
#include "document/PicturePath.h"
#include "document/ReadingStateFile.h"
#include "viewer/PageView.h"
#include "viewer/ReadPropDlg.h"

#include <QLineEdit>

namespace {
// Linux's PATH_MAX less its terminating zero: a longer path names no file.
constexpr qsizetype kMaxPicturePathChars = 4095;
constexpr qsizetype kPageBoxMaxChars = 255;
} // namespace

CBookReader::CBookReader()
{
    QObject::connect(&m_timer, &QTimer::timeout, [this] { OnAutoBrowseTick(); });
}

CBookReader::~CBookReader() = default;

void CBookReader::SetBook(const BookDocument *book)
{
    m_book = book;
    if (PageCount() == 0 && m_view)
        m_view->ShowNoPicture();
}

void CBookReader::SetPageBox(QLineEdit *pageBox) { m_pageBox = pageBox; }

int CBookReader::PageCount() const { return m_book ? UsablePageCount(*m_book) : 0; }

void CBookReader::ShowCurrentPage()
{
    const int count = PageCount();
    m_currentPage = NormalisedPage(m_currentPage, count);
    if (count == 0) {
        if (m_view)
            m_view->ShowNoPicture();
        return;
    }
    ShowPage(m_currentPage);
    TellViewWhatComesNext();
}

void CBookReader::ShowPage(int page)
{
    if (!m_view)
        return;
    QString path = ExpandPicturePath(m_book->Pictures.at(page).Path);
    if (path.size() > kMaxPicturePathChars)
        path.clear();
    m_view->ShowPicture(path);
}

void CBookReader::TellViewWhatComesNext()
{
    if (!m_view)
        return;
    // Reading goes forward far more often than back; the jump target comes
    // last because jumps are the rarest turn.
    const int count = PageCount();
    QStringList paths;
    for (PageMove move : {PageMove::Next, PageMove::Previous, PageMove::JumpForward}) {
        const int page = PageAfterMove(move, m_currentPage, m_step, count);
        if (page == m_currentPage)
            continue;
        const QString path = ExpandPicturePath(m_book->Pictures.at(page).Path);
        if (path.size() <= kMaxPicturePathChars && !paths.contains(path))
            paths.append(path);
    }
    m_view->ExpectPictures(paths);
}

void CBookReader::Move(PageMove move)
{
    const int count = PageCount();
    if (count == 0)
        return;
    m_currentPage = PageAfterMove(move, m_currentPage, m_step, count);
    ShowCurrentPage();
}

bool CBookReader::Navigate(PageMove move)
{
    if (PageCount() == 0 || !IsReadMode())
        return false;
    Move(move);
    UpdatePageBox();
    return true;
}

void CBookReader::UpdatePageBox()
{
    if (!m_pageBox)
        return;
    const int count = PageCount();
    m_pageBox->setText(count > 0 ? QString::asprintf("%i/%i", m_currentPage + 1, count) : QStringLiteral("0/0"));
}

bool CBookReader::ToggleAutoBrowse()
{
    if (PageCount() == 0 || !IsReadMode())
        return false;
    if (m_autoBrowsing) {
        StopAutoBrowse();
    } else {
        m_autoBrowsing = true;
        m_timer.start(AutoBrowseIntervalMs(m_speed));
    }
    return true;
}

void CBookReader::StopAutoBrowse()
{
    m_autoBrowsing = false;
    m_timer.stop();
}

void CBookReader::OnAutoBrowseTick()
{
    // A speed of 0 or less stops the ticks but leaves the flag on, so the
    // reading bar goes on showing auto-browse as running until switched off.
    if (m_speed <= 0) {
        m_timer.stop();
        return;
    }
    NextPage();
    UpdatePageBox();
}

void CBookReader::OnRedisplay()
{
    if (m_view)
        m_view->ApplyTypedZoom();
    if (!m_pageBox || !m_book)
        return;
    const std::optional<int> page = TypedPageTarget(QStringView(m_pageBox->text()).left(kPageBoxMaxChars), m_currentPage, PageCount());
    if (!page)
        return;
    m_currentPage = *page;
    ShowCurrentPage();
    UpdatePageBox();
}

bool CBookReader::OnReadingParameters(QWidget *owner)
{
    CReadPropDlg dialog(owner);
    dialog.SetValues(m_step, m_speed, m_view && m_view->BorderShown(), m_view && m_view->Centred());
    if (dialog.exec() != QDialog::Accepted)
        return false;
    ApplyReadingParameters(dialog.StepText(), dialog.SpeedText(), dialog.BorderChecked(), dialog.CentreChecked());
    return true;
}

void CBookReader::ApplyReadingParameters(QStringView stepText, QStringView speedText, bool border, bool centre)
{
    if (const std::optional<std::int32_t> step = ParseNumber(stepText.left(kPageBoxMaxChars)))
        m_step = *step;
    if (const std::optional<std::int32_t> speed = ParseNumber(speedText.left(kPageBoxMaxChars)))
        m_speed = *speed;
    if (m_view)
        m_view->SetBorderAndCentre(border, centre);
    if (m_autoBrowsing) {
        m_timer.stop();
        m_timer.start(AutoBrowseIntervalMs(m_speed));
    }
}

void CBookReader::OnIdle()
{
    if (m_autoBrowsing && !IsReadMode())
        StopAutoBrowse();
}

bool CBookReader::SaveReadingState() const
{
    if (!m_book)
        return false;
    return SaveReadingStateFile(DataDirectory(), m_book->BookId, ReadingState{m_currentPage, m_speed, m_step});
}

bool CBookReader::LoadReadingState()
{
    if (!m_book)
        return false;
    ReadingState state{m_currentPage, m_speed, m_step};
    if (!LoadReadingStateFile(DataDirectory(), m_book->BookId, state))
        return false;
    m_currentPage = state.Page;
    m_speed = state.Speed;
    m_step = state.Step;
    return true;
}
