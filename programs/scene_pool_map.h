#pragma once

#include <QHash>
#include <QList>

// The scenes of the programs copied in one go. Every scene the copies use is given one new
// number, the first time it is met: its own when scenes stay where they are, else the next
// number of a pool of unused scenes. A scene met again keeps the number it was given, so
// copies that share a scene still share one.
class scene_pool_map
{
public:
    struct pair {
        int oldScene;
        int newScene;
    };

    // firstPoolScene: the first pool number, 0-based.
    explicit scene_pool_map(int firstPoolScene);

    // The new number of oldScene; keep gives a scene met the first time its own number.
    int map(int oldScene, bool keep);
    // True once a pool number beyond the last scene had to be given.
    bool overflowed() const;
    // One pair per scene met, in the order met.
    const QList<pair> &pairs() const { return mapped; }

private:
    int nextPoolScene;
    QList<pair> mapped;
    QHash<int, int> newSceneOf;  // the same pairs, found by the old scene
};
