#include "app/RockRow.h"

int rockKind(int r)
{
    return static_cast<int>(static_cast<double>(r) / 32767 * 6);
}

std::vector<Placement> rockRowStep(int step, int kind)
{
    const float i = static_cast<float>(step);
    const glm::vec3 xAxis(1, 0, 0);
    const glm::vec3 redRockScale(0.5f);
    const glm::vec3 redRock2Scale(0.2f);
    const glm::vec3 rowPosition(70, 0, i * 10.0f - 70.0f);
    switch (kind) {
    case 0:
        return {{SceneMesh::Rock, {70, 0, i * 10.0f + 70.0f}, xAxis, glm::vec3(10, 10, 10)},
                {SceneMesh::RedRock, {-200, -30, 150}, xAxis, redRockScale},
                {SceneMesh::RedRock2, {550, -10, 350}, xAxis, redRock2Scale}};
    case 1:
        return {{SceneMesh::Rock, rowPosition, {1, 1, 0}, {10, 15, 10}},
                {SceneMesh::RedRock, {300, -30, -100}, xAxis, redRockScale},
                {SceneMesh::RedRock2, {400, -20, -200}, xAxis, redRock2Scale}};
    case 2:
        return {{SceneMesh::Rock, rowPosition, {1, 0, 1}, {10, 15, 15}},
                {SceneMesh::RedRock, {150, -20, 70}, xAxis, redRockScale}};
    case 3:
        return {{SceneMesh::Rock, rowPosition, {0, 1, 0}, {15, 10, 10}}};
    case 4:
        return {{SceneMesh::Rock, rowPosition, {0, 0, 1}, {10, 15, 10}}};
    default:
        return {{SceneMesh::Rock, rowPosition, {1, 1, 1}, {15, 10, 10}}};
    }
}
