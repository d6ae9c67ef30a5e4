struct R {
{
{
{
{
{
{
{
{
{
{
{
{
{
{
{
{
{
 int a;
};
