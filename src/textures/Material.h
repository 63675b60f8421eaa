#pragma once

// Base of every texture class. Textures are shared between scene objects, and
// each object cleans up what it uses, so cleanup() must be idempotent.
class Material {
public:
    virtual void cleanup() {}

protected:
    bool cleanedUp = false;
};
