#version 450

// Particles are drawn as points; the geometry shader builds the sprites, so the
// record only passes through here.
layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec4 inColor;
layout(location = 2) in float inAngle;
layout(location = 3) in float inAge;
layout(location = 4) in vec3 inRandomVector;
layout(location = 5) in float inLifetime;

layout(location = 0) out vec4 particleColor;
layout(location = 1) out vec3 particleRandom;
layout(location = 2) out vec3 particleLife; // age, lifetime, angle

void main()
{
    particleColor = inColor;
    particleRandom = inRandomVector;
    particleLife = vec3(inAge, inLifetime, inAngle);
    gl_Position = vec4(inPosition, 1.0);
}
