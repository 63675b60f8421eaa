#version 450
#extension GL_GOOGLE_include_directive : require

// A mirror: the view ray reflected about the cube's normal, looked up in the
// environment cube that was rendered from the cube's centre. The faces were drawn
// with the standard cube-face views and an unflipped 90-degree projection, so a
// world direction samples them directly. The depth cube moves the lookup towards
// where the reflected ray actually meets the scene, so near objects reflect in
// place instead of as if they were infinitely far.
#include "constants/DepthRange.h"
#include "scene_light.glsl"
#include "gbuffer_targets.glsl"

layout(set = 0, binding = 1) uniform samplerCube environment;
layout(set = 0, binding = 2) uniform CameraBufferObject {
    vec4 cameraPosition;
} camera;
layout(set = 0, binding = 3) uniform samplerCube environmentDepth;

layout(location = 0) in vec3 worldPosition;
layout(location = 1) in vec3 worldNormal;
layout(location = 2) flat in vec3 cubeCentre;

const vec3 MIRROR_TINT = vec3(0.90, 0.93, 0.97);

// Distance from the cube's centre to what the environment pass drew along
// `direction`, or a negative value where it drew only sky (or nothing yet). The
// faces' projection maps depth from -1..1 between the scene's near and far planes.
float environmentDistance(vec3 direction)
{
    float depth = texture(environmentDepth, direction).r;
    if (isnan(depth) || isinf(depth) || depth <= 0.0 || depth >= 0.9999) {
        return -1.0;
    }
    float axial = 2.0 * FAR_PLANE * NEAR_PLANE / ((FAR_PLANE + NEAR_PLANE) - depth * (FAR_PLANE - NEAR_PLANE));
    vec3 a = abs(direction);
    return axial / max(max(a.x, a.y), max(a.z, 1e-4));
}

vec3 reflectionDirection(vec3 reflected)
{
    float distance = environmentDistance(reflected);
    if (distance <= 0.0) {
        return reflected;
    }
    vec3 corrected = worldPosition + reflected * distance - cubeCentre;
    float correctedLength = length(corrected);
    return correctedLength > 1e-3 ? corrected / correctedLength : reflected;
}

void main()
{
    float normalLength = length(worldNormal);
    vec3 normal = normalLength > 1e-6 ? worldNormal / normalLength : vec3(0.0, -1.0, 0.0);
    vec3 toSurface = worldPosition - camera.cameraPosition.xyz;
    float viewLength = length(toSurface);
    vec3 incident = viewLength > 1e-6 ? toSurface / viewLength : -normal;
    vec3 reflected = reflect(incident, normal);

    vec3 color = texture(environment, reflectionDirection(reflected)).rgb;
    color = isFiniteColor(color) ? clamp(color, 0.0, 1.0) : HAZE_COLOR;
    float grazing = 1.0 - max(dot(-incident, normal), 0.0);
    color *= mix(MIRROR_TINT, vec3(1.0), grazing * grazing);

    outAlbedo = vec4(encodeAlbedo(color), 1.0);
    outNormal = vec4(normal, KIND_MIRROR);
    outCoefficients = vec4(1.0, 0.0, 1.0, 1.0);
    outMaterial = vec4(0.0, 0.0, 1.0, 1.0);
    outWorldPosition = vec4(worldPosition, 1.0);
}
