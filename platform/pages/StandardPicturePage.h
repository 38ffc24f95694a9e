#pragma once

#include "platform/pages/StandardPage.h"

class QLabel;
class QLineEdit;

// Edits the picture properties of the selected control: a preview, a file to
// load the picture from, and Clear for no picture.
class StandardPicturePage : public StandardPage
{
    Q_OBJECT

public:
    explicit StandardPicturePage(QWidget *parent = nullptr);

    // Loads the named file into the current property; a file that is not a
    // picture is reported in a message box and changes nothing.
    bool loadFile(const QString &path);
    void clearPicture();

protected:
    void showValue(const Variant &value) override;

private:
    QLabel *m_preview;
    QLineEdit *m_path;
};
