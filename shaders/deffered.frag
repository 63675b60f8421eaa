#version 450
#extension GL_GOOGLE_include_directive : require

// Deferred lighting of the G-buffer into the sRGB swap chain (values written are
// linear; the hardware encodes them).
//
// How a mesh's material record is read (it reaches this pass through the
// material and coefficients targets):
//   material.r      ambient weight   occlusion of the sky light: ambient x mix(0.35, 1, weight)
//   material.g      diffuse weight   scales the Lambert lobe
//   material.b      specular weight  scales both specular terms (sun and sky)
//   coefficients.r  metalness        effective metalness = metalness x specular weight,
//                                    since a surface with little specular response
//                                    cannot behave as a metal
//   coefficients.g  roughness        perceptual; GGX alpha = roughness^2 (at least 0.12^2)
//   coefficients.b  reflectance      dielectric F0 = 0.08 x reflectance
// So the spaceship is polished metal (metalness 1, roughness 0.1), the ground a
// rough dielectric with a little glitter (effective metalness 0.12, roughness
// 0.6), the rocks and cacti rough and matt (roughness 0.9, F0 0.016).
//
// Lighting model: the sun is Cook-Torrance (GGX distribution, approximate
// height-correlated Smith visibility, Schlick Fresnel) plus Lambert diffuse
// weighted by (1 - F)(1 - metalness), which keeps the sum within the incoming
// energy. The ambient diffuse is a hemispherical sky light (sky above, warm
// ground bounce below; up is -y); the ambient specular is the analytic sky seen
// along the reflected ray, blurred towards the average sky with roughness and
// weighted by a split-sum approximation of the specular BRDF. The sky light is
// scaled by the occlusion baked into the texture and by the one read from the
// positions around the pixel (screen_occlusion.glsl). The result is
// tone-mapped (fitted ACES), then mixed with distance haze in display space so
// that far terrain fades into the same colour as the hazed horizon of the sky.
// Sky pixels, the mirror cube and the dust are finished colours and are not lit
// again: the dust sprites light themselves (wrapped diffuse, forward scattering)
// because only the albedo target blends them over what lies behind.
//
// Display modes (the specialisation constant `DISPLAY_MODE`, one pipeline per
// mode) are listed in constants/DisplayModes.h. The modes
// from normals to position show the stored numbers: a value v appears on screen
// as the display level v.

#include "constants/DisplayModes.h"
#include "gbuffer.glsl"
#include "scene_light.glsl"
#include "dust_light.glsl"
#include "screen_occlusion.glsl"

layout(set = 0, binding = 0) uniform LightBufferObject {
    vec3 direction;
    vec3 color;
    vec3 cameraPosition;
} light;

layout(set = 0, binding = 1) uniform sampler2D albedoTarget;
layout(set = 0, binding = 2) uniform sampler2D normalTarget;
layout(set = 0, binding = 3) uniform sampler2D coefficientsTarget;
layout(set = 0, binding = 4) uniform sampler2D materialTarget;
layout(set = 0, binding = 5) uniform sampler2D worldPositionTarget;

// Fixed when the pipeline is made, so that the compiler keeps only this mode's work.
layout(constant_id = 0) const int DISPLAY_MODE = MODE_FINAL;

layout(location = 0) in vec2 screenCoord;

layout(location = 0) out vec4 outColor;

const vec3 NEUTRAL_GREY = vec3(0.5);
const float MIN_ROUGHNESS = 0.12;
const float POSITION_SCALE = 50.0;
const vec3 SEPARATOR_COLOR = vec3(0.02);

struct Surface {
    vec3 albedo;
    vec3 normal;
    int kind;
    vec3 coefficients;
    vec3 material;
    float bakedOcclusion; // the texture's own, 1 where a surface has none
    vec3 position;
};

struct View {
    vec3 direction; // from the eye towards the pixel
    float distance;
};

vec4 finiteOr(vec4 value, vec4 fallback)
{
    return (any(isnan(value)) || any(isinf(value))) ? fallback : value;
}

ivec2 texelOf(vec2 coord)
{
    ivec2 size = textureSize(albedoTarget, 0);
    return clamp(ivec2(coord * vec2(size)), ivec2(0), size - ivec2(1));
}

// Texel-exact reads: filtering would blend surface kinds across edges.
Surface readSurface(ivec2 texel)
{
    vec4 normal = finiteOr(texelFetch(normalTarget, texel, 0), vec4(0.0, 0.0, 0.0, KIND_UNLIT));
    Surface s;
    s.albedo = decodeAlbedo(texelFetch(albedoTarget, texel, 0).rgb);
    s.normal = normal.xyz;
    s.kind = int(clamp(floor(normal.w + 0.5), float(KIND_LIT), float(KIND_DUST)));
    s.coefficients = texelFetch(coefficientsTarget, texel, 0).rgb;
    vec4 material = texelFetch(materialTarget, texel, 0);
    s.material = material.rgb;
    s.bakedOcclusion = clamp(material.a, 0.0, 1.0);
    s.position = finiteOr(texelFetch(worldPositionTarget, texel, 0), vec4(0.0)).xyz;
    return s;
}

// How much sky and sun reach a lit surface (1 for the other kinds).
struct Occlusion {
    float ambient;
    float sun;
};

View viewOf(Surface s)
{
    vec3 toSurface = s.position - light.cameraPosition;
    float distance = length(toSurface);
    View v;
    v.direction = distance > 1e-5 ? toSurface / distance : vec3(0.0, 0.0, -1.0);
    v.distance = distance;
    return v;
}

vec3 sunDirection()
{
    float directionLength = length(light.direction);
    return directionLength > 1e-6 ? light.direction / directionLength : SUN_DIRECTION;
}

vec3 sunColor()
{
    return clamp(finiteOr(vec4(light.color, 0.0), vec4(1.0)).rgb, 0.0, 16.0);
}

vec3 surfaceNormal(Surface s, View v)
{
    float normalLength = length(s.normal);
    return normalLength > 1e-4 ? s.normal / normalLength : -v.direction;
}

vec3 fresnelSchlick(vec3 f0, float cosine)
{
    float m = 1.0 - clamp(cosine, 0.0, 1.0);
    float m2 = m * m;
    return f0 + (1.0 - f0) * (m2 * m2 * m);
}

float ggxDistribution(float nDotH, float alpha)
{
    float a2 = alpha * alpha;
    float d = nDotH * nDotH * (a2 - 1.0) + 1.0;
    return a2 / (PI * d * d);
}

float smithVisibility(float nDotV, float nDotL, float alpha)
{
    float lambdaV = nDotL * (nDotV * (1.0 - alpha) + alpha);
    float lambdaL = nDotV * (nDotL * (1.0 - alpha) + alpha);
    return 0.5 / max(lambdaV + lambdaL, 1e-5);
}

// Analytic fit of the pre-integrated specular BRDF (scale and bias on F0).
vec3 specularAlbedo(vec3 f0, float roughness, float nDotV)
{
    const vec4 c0 = vec4(-1.0, -0.0275, -0.572, 0.022);
    const vec4 c1 = vec4(1.0, 0.0425, 1.04, -0.04);
    vec4 r = roughness * c0 + c1;
    float a004 = min(r.x * r.x, exp2(-9.28 * nDotV)) * r.x + r.y;
    vec2 scaleBias = vec2(-1.04, 1.04) * a004 + r.zw;
    return f0 * scaleBias.x + scaleBias.y;
}

vec3 litRadiance(Surface s, vec3 albedo, View v, Occlusion occlusion)
{
    vec3 n = surfaceNormal(s, v);
    vec3 toEye = -v.direction;
    vec3 toSun = sunDirection();
    float ambientWeight = mix(0.35, 1.0, clamp(s.material.r, 0.0, 1.0));
    float diffuseWeight = clamp(s.material.g, 0.0, 1.0);
    float specularWeight = clamp(s.material.b, 0.0, 1.0);
    float metalness = clamp(s.coefficients.r, 0.0, 1.0) * specularWeight;
    float roughness = clamp(s.coefficients.g, MIN_ROUGHNESS, 1.0);
    float alpha = roughness * roughness;
    vec3 f0 = mix(vec3(0.08 * clamp(s.coefficients.b, 0.0, 1.0)), albedo, metalness);

    float nDotV = max(dot(n, toEye), 1e-3);
    float nDotL = max(dot(n, toSun), 0.0);
    vec3 halfway = normalize(toSun + toEye);
    float nDotH = max(dot(n, halfway), 0.0);
    vec3 fresnel = fresnelSchlick(f0, dot(toEye, halfway));

    vec3 specular = ggxDistribution(nDotH, alpha) * smithVisibility(nDotV, nDotL, alpha) * fresnel;
    vec3 diffuse = (1.0 - fresnel) * (1.0 - metalness) * albedo / PI;
    vec3 sun = (diffuse * diffuseWeight + specular * specularWeight)
        * sunColor() * SUN_INTENSITY * nDotL * occlusion.sun;

    vec3 reflected = reflect(v.direction, n);
    vec3 skyInReflection = mix(skyRadiance(reflected), skyAmbient(reflected), roughness);
    vec3 ambientSpecular = specularAlbedo(f0, roughness, nDotV) * skyInReflection * specularWeight;
    vec3 ambientDiffuse = (1.0 - metalness) * albedo * skyAmbient(n);
    return sun + (ambientDiffuse + ambientSpecular) * ambientWeight * occlusion.ambient;
}

vec3 dustColor(Surface s, vec3 albedo, View v)
{
    return toneMap(dustRadiance(albedo, surfaceNormal(s, v), sunDirection(), sunColor()));
}

vec3 withHaze(vec3 color, Surface s)
{
    return throughHaze(color, light.cameraPosition, s.position, sunDirection());
}

// Read from the G-buffer around the pixel, in uniform control flow: the quads
// share their samples through derivatives.
Occlusion occlusionOf(Surface s, ivec2 texel)
{
    View v = viewOf(s);
    Occlusion occlusion;
    occlusion.ambient = s.bakedOcclusion * ambientOcclusion(texel, s.position, surfaceNormal(s, v), v.distance,
                                                            s.kind == KIND_LIT, worldPositionTarget);
    // A crease also keeps some sun out, the part its normals do not.
    occlusion.sun = mix(1.0, occlusion.ambient, 0.4);
    return occlusion;
}

// The final image, or with `lightingView` the lighting alone on a neutral grey
// albedo without haze. Each kind picks its colour from values computed for every
// pixel rather than in branches of its own: a software rasteriser runs both
// sides of a branch under a mask, so the expensive lighting appears only once.
//   final image:    sky as stored; mirror and dust as stored (their colours are
//                   finished: lighting the dust's blend again would ring every
//                   sprite's faint edge), hazed; lit surfaces lit, tone-mapped,
//                   hazed
//   lighting alone: the sky's own radiance; the mirror as stored (a perfect
//                   mirror's lighting is what it reflects); the dust and lit
//                   surfaces lit on grey
vec3 shadedColor(Surface s, bool lightingView, Occlusion occlusion)
{
    View v = viewOf(s);
    vec3 albedo = lightingView ? NEUTRAL_GREY : s.albedo;
    vec3 lit = toneMap(litRadiance(s, albedo, v, occlusion));
    vec3 dust = lightingView ? dustColor(s, NEUTRAL_GREY, v) : s.albedo;
    vec3 sky = lightingView ? toneMap(skyRadiance(v.direction)) : s.albedo;

    vec3 color = s.kind == KIND_UNLIT ? sky : (s.kind == KIND_MIRROR ? s.albedo : (s.kind == KIND_DUST ? dust : lit));
    bool hazed = !lightingView && s.kind != KIND_UNLIT;
    return hazed ? withHaze(color, s) : color;
}

// The sRGB decoding curve: writing decode(v) makes v appear on screen as is.
vec3 shownAsStored(vec3 value)
{
    vec3 v = clamp(value, 0.0, 1.0);
    vec3 low = v / 12.92;
    vec3 high = pow((v + 0.055) / 1.055, vec3(2.4));
    return mix(high, low, lessThanEqual(v, vec3(0.04045)));
}

bool showsFinalImage(int mode)
{
    return mode < MODE_ALBEDO || mode > MODE_LIGHTING;
}

vec3 modeColor(int mode, Surface s, Occlusion occlusion)
{
    if (mode == MODE_ALBEDO || (s.kind == KIND_UNLIT && showsFinalImage(mode))) {
        return s.albedo;
    }
    switch (mode) {
    case MODE_NORMALS:
        return shownAsStored(s.normal * 0.5 + 0.5);
    case MODE_COEFFICIENTS:
        return shownAsStored(s.coefficients);
    case MODE_MATERIAL:
        return shownAsStored(s.material);
    case MODE_POSITION:
        return shownAsStored(0.5 + 0.5 * s.position / (abs(s.position) + POSITION_SCALE));
    default:
        return shadedColor(s, mode == MODE_LIGHTING, occlusion);
    }
}

// The overview shows four modes, one per quarter of the screen, each over the
// whole G-buffer, with a thin line between the quarters. Picking the quarter's
// mode and coordinate first leaves a single modeColor call in the shader.
struct ModeAndCoord {
    int mode;
    vec2 coord;
    bool separator;
};

ModeAndCoord overviewQuarter(vec2 coord)
{
    const int quadrantModes[4] = int[](MODE_ALBEDO, MODE_NORMALS, MODE_LIGHTING, MODE_FINAL);
    vec2 pixelsFromSplit = abs(coord - 0.5) * vec2(textureSize(albedoTarget, 0));
    ivec2 quadrant = ivec2(step(vec2(0.5), coord));
    ModeAndCoord quarter;
    quarter.mode = quadrantModes[quadrant.y * 2 + quadrant.x];
    quarter.coord = fract(coord * 2.0);
    quarter.separator = pixelsFromSplit.x < 1.5 || pixelsFromSplit.y < 1.5;
    return quarter;
}

void main()
{
    ModeAndCoord shown = ModeAndCoord(DISPLAY_MODE, clamp(screenCoord, 0.0, 1.0), false);
    if (shown.mode == MODE_OVERVIEW) {
        shown = overviewQuarter(shown.coord);
    }
    ivec2 texel = texelOf(shown.coord);
    Surface s = readSurface(texel);
    Occlusion occlusion = occlusionOf(s, texel);
    vec3 color = shown.separator ? SEPARATOR_COLOR : modeColor(shown.mode, s, occlusion);
    color = isFiniteColor(color) ? clamp(color, 0.0, 1.0) : HAZE_COLOR;
    outColor = vec4(color, 1.0);
}
