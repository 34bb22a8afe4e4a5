#ifdef _DEBUG
void «Class»::AssertValid() const
{
	{Base}::AssertValid();
}

void «Class»::Dump(CDumpContext& dc) const
{
	{Base}::Dump(dc);
}
#endif //_DEBUG
