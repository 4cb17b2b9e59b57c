// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

class OptionsModel;

// The Options dialog's "Language:" chooser: the desktop's language, English
// or one of the translations, kept in the options model. The game speaks the
// choice from its next start on.
class LanguageBox : public QComboBox
{
    Q_OBJECT
public:
    LanguageBox(OptionsModel &options, QWidget *parent = nullptr);

private:
    void showModel();
    OptionsModel &m_options;
};
