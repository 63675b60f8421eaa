#version 450

// Lists, for each view that draws the dust this frame, the carriers whose
// sprite may show in it: born, still visible, in front of the eye and not
// wholly outside the view. The geometry shader pays for every point it is
// given, emitted or not, so a view draws only its list. One work group per view;
// each invocation tests a run of consecutive carriers, and a prefix sum of the
// runs' counts keeps the list in the carriers' order, the order the sprites
// blend in. The tests are those of particle.geom with a margin, so that a
// particle is left out only where the geometry shader would emit nothing.

#include "constants/DustViews.h"
#include "particle_record.glsl"
#include "dust_falloff.glsl"
#include "dust_life.glsl"

layout(local_size_x = DUST_LIST_INVOCATIONS) in;

struct DustView {
    mat4 viewFromModel; // the face's view after the camera's, after the particles' model
    mat4 proj;
};

layout(set = 0, binding = 0) uniform DustViewRecords {
    DustView views[DUST_VIEW_LIMIT];
} records;

layout(std430, set = 0, binding = 1) readonly buffer Particles {
    Particle particles[];
};

layout(std430, set = 0, binding = 2) readonly buffer Carriers {
    uint carriers[];
};

// View v's list starts at v times the number of carriers.
layout(std430, set = 0, binding = 3) writeonly buffer Lists {
    uint lists[];
};

struct DrawIndexedIndirectCommand {
    uint indexCount;
    uint instanceCount;
    uint firstIndex;
    int vertexOffset;
    uint firstInstance;
};

layout(std430, set = 0, binding = 4) writeonly buffer Draws {
    DrawIndexedIndirectCommand draws[];
};

// Room for the rounding of a different order of the same products.
const float RELATIVE_MARGIN = 1e-3;
const float ABSOLUTE_MARGIN = 0.01;

shared uint runEnds[DUST_LIST_INVOCATIONS];

bool visibleNow(Particle p)
{
    if (!(p.age >= 0.0) || !(p.lifetime > 0.0)) {
        return false;
    }
    float fade = lifeFade(clamp(p.age / p.lifetime, 0.0, 1.0));
    return DUST_PEAK_ALPHA * fade > DUST_MIN_ALPHA * (1.0 - RELATIVE_MARGIN);
}

bool mayShowIn(DustView view, vec3 position)
{
    vec4 centre = view.viewFromModel * vec4(position, 1.0);
    float slack = ABSOLUTE_MARGIN + RELATIVE_MARGIN * length(centre.xyz);
    if (centre.z > -0.2 + slack) {
        return false;
    }
    vec4 clip = view.proj * centre;
    vec2 reach = abs(vec2(view.proj[0][0], view.proj[1][1])) * LARGEST_HALF_SIZE;
    float clipSlack = ABSOLUTE_MARGIN + RELATIVE_MARGIN * (abs(clip.w) + length(clip.xy));
    return !any(greaterThan(abs(clip.xy), vec2(clip.w) + reach + clipSlack));
}

bool kept(uint carrier, DustView view)
{
    Particle p = particles[carrier];
    return visibleNow(p) && mayShowIn(view, p.position);
}

// Inclusive prefix sum of runEnds over the work group.
void sumRuns(uint invocation)
{
    for (uint stride = 1u; stride < DUST_LIST_INVOCATIONS; stride *= 2u) {
        uint before = invocation >= stride ? runEnds[invocation - stride] : 0u;
        barrier();
        runEnds[invocation] += before;
        barrier();
    }
}

void main()
{
    uint viewIndex = gl_WorkGroupID.x;
    DustView view = records.views[viewIndex];
    uint invocation = gl_LocalInvocationID.x;
    uint carrierCount = uint(carriers.length());
    uint run = (carrierCount + DUST_LIST_INVOCATIONS - 1u) / DUST_LIST_INVOCATIONS;
    uint first = min(invocation * run, carrierCount);
    uint end = min(first + run, carrierCount);

    uint count = 0u;
    for (uint i = first; i < end; ++i) {
        count += kept(carriers[i], view) ? 1u : 0u;
    }
    runEnds[invocation] = count;
    barrier();
    sumRuns(invocation);

    uint listStart = viewIndex * carrierCount;
    uint next = listStart + runEnds[invocation] - count;
    for (uint i = first; i < end; ++i) {
        uint carrier = carriers[i];
        if (kept(carrier, view)) {
            lists[next++] = carrier;
        }
    }
    if (invocation == DUST_LIST_INVOCATIONS - 1u) {
        draws[viewIndex] = DrawIndexedIndirectCommand(runEnds[invocation], 1u, listStart, 0, 0u);
    }
}
