#include "platform/pages/StandardPicturePage.h"

#include "platform/objects/StdPicture.h"
#include "platform/seams/Dialogs.h"

#include <QCompleter>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

StandardPicturePage::StandardPicturePage(QWidget *parent) : StandardPage(tr("Picture"), QStringLiteral("StdPicture"), parent)
{
    m_preview = new QLabel(this);
    m_preview->setObjectName(QStringLiteral("imgPreview"));
    m_preview->setAlignment(Qt::AlignCenter);
    m_preview->setFrameShape(QFrame::StyledPanel);
    m_preview->setMinimumSize(120, 120);
    editorLayout()->addWidget(m_preview, 1);

    auto *row = new QHBoxLayout;
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtFile"));
    m_path->setPlaceholderText(tr("Picture file"));
    auto *files = new QFileSystemModel(m_path);
    files->setRootPath(QString());
    m_path->setCompleter(new QCompleter(files, m_path));
    auto *load = new QPushButton(tr("&Load"), this);
    load->setObjectName(QStringLiteral("cmdLoad"));
    auto *clear = new QPushButton(tr("&Clear"), this);
    clear->setObjectName(QStringLiteral("cmdClear"));
    row->addWidget(m_path, 1);
    row->addWidget(load);
    row->addWidget(clear);
    editorLayout()->addLayout(row);

    connect(load, &QPushButton::clicked, this, [this] { loadFile(m_path->text().trimmed()); });
    connect(m_path, &QLineEdit::returnPressed, this, [this] { loadFile(m_path->text().trimmed()); });
    connect(clear, &QPushButton::clicked, this, &StandardPicturePage::clearPicture);
}

bool StandardPicturePage::loadFile(const QString &path)
{
    QString error;
    const PictureRef picture = StdPicture::fromFile(path, &error);
    if (!picture) {
        Dialogs::instance().messageBox(error.isEmpty() ? tr("Invalid picture") : error, Dialogs::Buttons::Ok,
                                       Dialogs::Icon::Critical, title());
        return false;
    }
    showValue(Variant(picture));
    edit(Variant(picture));
    return true;
}

void StandardPicturePage::clearPicture()
{
    const PictureRef none = std::make_shared<StdPicture>();
    showValue(Variant(none));
    edit(Variant(none));
}

void StandardPicturePage::showValue(const Variant &value)
{
    const PictureRef picture = value.type() == VarType::Picture ? value.toPicture() : nullptr;
    if (!picture || picture->isNull()) {
        m_preview->setPixmap(QPixmap());
        m_preview->setText(tr("(None)"));
        return;
    }
    const QSize room = m_preview->contentsRect().size().boundedTo(QSize(256, 256)).expandedTo(QSize(32, 32));
    QPixmap pixmap = picture->pixmap();
    if (pixmap.width() > room.width() || pixmap.height() > room.height())
        pixmap = pixmap.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    m_preview->setPixmap(pixmap);
}
