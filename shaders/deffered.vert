#version 450

// The full-screen quad of the lighting pass. Its screen position is taken from
// its texture coordinates, so the G-buffer is read upright however the plane
// was modelled; the plane's own depth is kept (the pass does not test depth).
layout(location = 0) in vec3 inPosition;
layout(location = 1) in vec2 inTexCoord;

layout(location = 0) out vec2 screenCoord;

void main()
{
    screenCoord = inTexCoord;
    gl_Position = vec4(inTexCoord * 2.0 - 1.0, clamp(inPosition.z, 0.0, 1.0), 1.0);
}
