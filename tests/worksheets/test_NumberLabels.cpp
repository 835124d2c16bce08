// SPDX-License-Identifier: MIT
// The placing of a worksheet map's numbers: on the item where there is
// room, else beside it with a leader, never on one another or on an item.
#include <gtest/gtest.h>

#include <cmath>

#include "worksheets/NumberLabels.h"

namespace {

const QRectF Bounds(0, 0, 400, 300);

TNumberLabel Label(QPointF at, double keep, bool onAnchor) {
    TNumberLabel l;
    l.Anchor = at;
    l.Size = QSizeF(10, 8);
    l.Keep = keep;
    l.OnAnchor = onAnchor;
    return l;
}

double Gap(const TNumberLabel& l) {
    const QPointF near = NearestOnBox(l.Box, l.Anchor);
    return std::hypot(near.x() - l.Anchor.x(), near.y() - l.Anchor.y());
}

QRectF Disc(const TNumberLabel& l) {
    return {l.Anchor.x() - l.Keep, l.Anchor.y() - l.Keep, 2 * l.Keep, 2 * l.Keep};
}

TEST(NumberLabels, AFreeLabelWithRoomSitsOnItsAnchorAndOneWithoutBesideItsMark) {
    std::vector<TNumberLabel> labels{Label({100, 100}, 1.5, true), Label({250, 100}, 5, false)};
    PlaceNumberLabels(labels, Bounds);
    EXPECT_EQ(labels[0].Box.center(), QPointF(100, 100));
    EXPECT_FALSE(labels[0].Leader);
    // A marker stays visible: the number touches its rim, without a leader.
    EXPECT_FALSE(labels[1].Box.intersects(Disc(labels[1]).adjusted(0.5, 0.5, -0.5, -0.5)));
    EXPECT_LT(Gap(labels[1]), 5 + 2.5);
    EXPECT_FALSE(labels[1].Leader);
}

TEST(NumberLabels, AHundredCrowdedItemsGetBoxesApartInsideTheBoundsEachJoinedToItsItem) {
    // Ten by ten items two points apart, as a map's small states: far too
    // close for their numbers, which must move out and say where they belong.
    std::vector<TNumberLabel> labels;
    for (int i = 0; i < 100; ++i)
        labels.push_back(Label({180 + (i % 10) * 2.0, 130 + (i / 10) * 2.0}, 1.2, false));
    PlaceNumberLabels(labels, Bounds);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(Bounds.contains(labels[i].Box));
        for (std::size_t j = 0; j < labels.size(); ++j) {
            if (j > i) {
                EXPECT_FALSE(labels[i].Box.intersects(labels[j].Box)) << j;
            }
            // No number hides another item's point.
            if (j != i) {
                EXPECT_FALSE(labels[i].Box.intersects(Disc(labels[j]))) << j;
            }
        }
        // A number off its item has a leader; one touching it needs none.
        if (labels[i].Leader) {
            EXPECT_GT(Gap(labels[i]), labels[i].Keep);
        } else {
            EXPECT_LE(Gap(labels[i]), labels[i].Keep + 2.5);
        }
    }
    // Near as they can be: none flung to the far side of the map.
    for (const TNumberLabel& l : labels) EXPECT_LT(Gap(l), 100);
}

TEST(NumberLabels, ANumberAtTheEdgeStaysInsideTheMap) {
    std::vector<TNumberLabel> labels{Label({1, 1}, 3, false), Label({399, 299}, 0, true)};
    PlaceNumberLabels(labels, Bounds);
    for (const TNumberLabel& l : labels) EXPECT_TRUE(Bounds.contains(l.Box));
    EXPECT_LT(Gap(labels[0]), 12);
    EXPECT_LT(Gap(labels[1]), 12);
}

TEST(NumberLabels, ATakenSpotSendsTheNextNumberAsideWithALeader) {
    // Two items closer than their numbers are wide, both with room: the
    // first takes its spot, the second moves off its own.
    std::vector<TNumberLabel> labels{Label({200, 150}, 1.5, true), Label({208, 150}, 1.5, true)};
    PlaceNumberLabels(labels, Bounds);
    EXPECT_EQ(labels[0].Box.center(), QPointF(200, 150));
    EXPECT_FALSE(labels[1].Box.intersects(labels[0].Box));
    EXPECT_NE(labels[1].Box.center(), QPointF(208, 150));
    EXPECT_FALSE(labels[1].Box.intersects(Disc(labels[0])));
    EXPECT_LT(Gap(labels[1]), 15);
}

}  // namespace
