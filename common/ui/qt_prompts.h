#pragma once

#include <QString>

#include "prompts.h"

class QWidget;

// Real message and input boxes, modal over the given window.
class QtPrompts : public Prompts {
public:
    QtPrompts(QWidget* parent, std::string programTitle);

    void message(const std::string& title, const std::string& text, MessageIcon icon) override;
    std::string input(const std::string& prompt, const std::string& title, const std::string& defaultText) override;

private:
    QString windowTitle(const std::string& title) const;

    QWidget* m_parent;
    std::string m_programTitle;
};

// The texts of the rules end their lines with CR LF; a Qt label wants plain line feeds.
QString displayText(const std::string& text);
