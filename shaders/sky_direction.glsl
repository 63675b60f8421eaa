#ifndef SKY_DIRECTION_GLSL
#define SKY_DIRECTION_GLSL

layout(location = 0) in vec3 skyDirection;
layout(location = 1) in vec3 skyFacing;

// The interpolated corner direction; the face's own normal if a corner sits at
// the centre of the cube and the direction vanishes.
vec3 viewDirectionOfSky()
{
    float directionLength = length(skyDirection);
    if (directionLength > 1e-6) {
        return skyDirection / directionLength;
    }
    float facingLength = length(skyFacing);
    return facingLength > 1e-6 ? -skyFacing / facingLength : vec3(0.0, -1.0, 0.0);
}

#endif
