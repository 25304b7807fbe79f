#include "programs/scene_pool_map.h"

#include "model/image_layout.h"

scene_pool_map::scene_pool_map(int firstPoolScene)
    : nextPoolScene(firstPoolScene)
{
}

int scene_pool_map::map(int oldScene, bool keep)
{
    const auto known = newSceneOf.constFind(oldScene);
    if (known != newSceneOf.constEnd())
        return known.value();
    const int newScene = keep ? oldScene : nextPoolScene++;
    mapped.append({oldScene, newScene});
    newSceneOf.insert(oldScene, newScene);
    return newScene;
}

bool scene_pool_map::overflowed() const
{
    return nextPoolScene > int(image_layout::SceneCount);
}
