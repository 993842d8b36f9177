// Quillmarch effect: the frame sets these three parameters every frame.
// Nothing is drawn with the effect; it is kept so the parameters have a home.

float4x4 g_mWorldViewProjection;   // world * view * projection of the camera
float4x4 g_mWorld;                 // world matrix of the camera
float    g_fTime;                  // seconds since the program started

struct VS_OUTPUT
{
    float4 Position : POSITION;
    float4 Diffuse  : COLOR0;
};

VS_OUTPUT RenderSceneVS(float4 vPos : POSITION, float4 vDiffuse : COLOR0)
{
    VS_OUTPUT Output;
    Output.Position = mul(vPos, g_mWorldViewProjection);
    Output.Diffuse = vDiffuse;
    return Output;
}

technique RenderScene
{
    pass P0
    {
        VertexShader = compile vs_2_0 RenderSceneVS();
    }
}
