{Header opening}
///////////////////////////////////////
// «Description»
///////////////////////////////////////

class «Class» : public «BaseClass»
{
public:
	«Class»();
	virtual ~«Class»();

};
{GuardClose}
