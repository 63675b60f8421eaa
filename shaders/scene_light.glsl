#ifndef SCENE_LIGHT_GLSL
#define SCENE_LIGHT_GLSL

#include "constants/SunDirection.h"

// The light, sky and air of the scene, shared by the lighting pass and the
// environment pass so that the reflections agree with the main image.
// World "up" is -y: the projection is not flipped, so +y is drawn downwards.

const float PI = 3.14159265;

// Where the sun stands when no light buffer is bound (the environment pass); the
// same direction the application gives its light.
const vec3 SUN_DIRECTION = normalize(vec3(SUN_DIRECTION_XYZ));
const float SUN_INTENSITY = 3.2;

// Sky radiance before tone mapping, for ambient light and reflections.
const vec3 SKY_ZENITH = vec3(0.16, 0.30, 0.62);
const vec3 SKY_HORIZON = vec3(0.46, 0.50, 0.56);
const vec3 GROUND_BOUNCE = vec3(0.30, 0.22, 0.14);

// Haze is mixed in after tone mapping, so its colour is a display colour. The
// air thins with height: its density falls by e every HAZE_SCALE_HEIGHT units
// above the ground, so the tops of the mesas stand clearer against the sky than
// their feet. Blue is scattered out of the light first, so far rock keeps some
// of its red while it fades, and the eye can judge how far it is.
const vec3 HAZE_COLOR = vec3(0.55, 0.58, 0.62);
const vec3 HAZE_SUN_GLOW = vec3(0.30, 0.21, 0.09);
const float HAZE_DENSITY = 0.00085;
const float HAZE_SCALE_HEIGHT = 70.0;
const vec3 HAZE_EXTINCTION = vec3(0.8, 0.95, 1.15);
const float HAZE_MAX = 0.93;

float upness(vec3 direction)
{
    return -direction.y;
}

// Irradiance-like sky light arriving on a surface facing `normal`.
vec3 skyAmbient(vec3 normal)
{
    vec3 skyAverage = mix(SKY_HORIZON, SKY_ZENITH, 0.45);
    return mix(GROUND_BOUNCE, skyAverage, 0.5 + 0.5 * upness(normal));
}

// Radiance seen along `direction`: a gradient sky above the horizon, the warm
// ground below it.
vec3 skyRadiance(vec3 direction)
{
    float up = upness(direction);
    vec3 above = mix(SKY_HORIZON, SKY_ZENITH, sqrt(max(up, 0.0)));
    vec3 below = mix(SKY_HORIZON, GROUND_BOUNCE, sqrt(max(-up, 0.0)));
    return up >= 0.0 ? above : below;
}

// Fitted ACES filmic curve; its output is linear display colour in [0, 1].
vec3 toneMap(vec3 radiance)
{
    vec3 x = max(radiance, vec3(0.0));
    return clamp((x * (2.51 * x + 0.03)) / (x * (2.43 * x + 0.59) + 0.14), 0.0, 1.0);
}

// Colour of the air along a view direction: brighter and warmer towards the sun.
vec3 hazeColor(vec3 viewDirection, vec3 sunDirection)
{
    float towardsSun = max(dot(viewDirection, sunDirection), 0.0);
    return HAZE_COLOR + HAZE_SUN_GLOW * (towardsSun * towardsSun * towardsSun * towardsSun);
}

// The share of a surface's colour that reaches the eye through the air, per
// channel: the ray's length times the mean density between the two heights.
vec3 hazeTransmittance(vec3 eye, vec3 surface)
{
    float distance = length(surface - eye);
    float eyeHeight = max(-eye.y, 0.0);
    float surfaceHeight = max(-surface.y, 0.0);
    float rise = surfaceHeight - eyeHeight;
    float atEye = exp(-eyeHeight / HAZE_SCALE_HEIGHT);
    float meanDensity = abs(rise) > 1e-3
        ? HAZE_SCALE_HEIGHT * (atEye - exp(-surfaceHeight / HAZE_SCALE_HEIGHT)) / rise
        : atEye;
    vec3 depth = distance * HAZE_DENSITY * meanDensity * HAZE_EXTINCTION;
    return max(exp(-depth), vec3(1.0 - HAZE_MAX));
}

// A surface's display colour as seen from `eye` through the haze.
vec3 throughHaze(vec3 color, vec3 eye, vec3 surface, vec3 sunDirection)
{
    vec3 toSurface = surface - eye;
    float distance = length(toSurface);
    vec3 direction = distance > 1e-4 ? toSurface / distance : sunDirection;
    vec3 passed = hazeTransmittance(eye, surface);
    return color * passed + hazeColor(direction, sunDirection) * (1.0 - passed);
}

// The sky images meet the ground through the same haze that swallows the far
// terrain, so the horizon has no visible seam. Below the horizon the images show
// the desert floor beyond the terrain; the haze thins out faster there, so a view
// past the terrain's edge (or from below its surface) still reads as sand.
vec3 hazedSky(vec3 skyColor, vec3 direction)
{
    float up = upness(direction);
    float falloff = up >= 0.0 ? 10.0 : 40.0;
    float amount = 0.65 * exp(-abs(up) * falloff);
    return mix(skyColor, hazeColor(direction, SUN_DIRECTION), amount);
}

bool isFiniteColor(vec3 c)
{
    return !(any(isnan(c)) || any(isinf(c)));
}

#endif
