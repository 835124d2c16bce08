// SPDX-License-Identifier: MIT
// TFlagGallery: the flags of an exercise in a grid with their names.
#include "FlagGallery.h"

#include <QGridLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include "app/Generell.h"
#include "app/OwnTexts.h"
#include "exercise/ExerciseItems.h"
#include "exercise/ovning.h"
#include "screens/ScreenSupport.h"

TFlagGallery::TFlagGallery(const COvning& entry, const TExerciseItems& items, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setAttribute(Qt::WA_DeleteOnClose);
    const int language = CurrentLanguage;
    setWindowTitle(OwnText(TOwnText::ExploreTitle, language).arg(entry.Names[language]));

    auto* cards = new QWidget;
    auto* grid = new QGridLayout(cards);
    const qreal ratio = devicePixelRatioF();
    for (const TItemInfo& item : items.Items()) {
        auto* card = new QWidget(cards);
        auto* layout = new QVBoxLayout(card);
        auto* flag = new QLabel(card);
        flag->setAlignment(Qt::AlignCenter);
        const QImage picture = LoadFlagPicture(item.FlagFile, ratio);
        if (!picture.isNull()) flag->setPixmap(QPixmap::fromImage(picture));
        QString text = QStringLiteral("<b>%1</b>").arg(item.Name.toHtmlEscaped());
        if (!item.Capital.isEmpty())
            text += QStringLiteral("<br>") +
                    OwnText(TOwnText::ReviewCapital, language).arg(item.Capital).toHtmlEscaped();
        auto* name = new QLabel(text, card);
        name->setAlignment(Qt::AlignCenter);
        name->setWordWrap(true);
        layout->addWidget(flag);
        layout->addWidget(name);
        grid->addWidget(card, cards_ / Columns, cards_ % Columns);
        ++cards_;
    }
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(cards);
    scroll->setWidgetResizable(true);

    auto* hint = new QLabel(OwnText(TOwnText::ExploreFlagsHint, language), this);
    auto* close = new QPushButton(OwnText(TOwnText::Close, language), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(hint);
    layout->addWidget(scroll, 1);
    layout->addWidget(close, 0, Qt::AlignRight);
    resize(640, 560);
    if (parent) move(parent->geometry().center() - rect().center());
}
